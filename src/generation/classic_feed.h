// ClassicFeed: runs classic runs on the worker TMythread and feeds the names they produce
// to the GUI thread in time slices.
//
// A run produces tens of thousands of names a few milliseconds apart, a whole statement's
// worth at once. Writing them all in one event would hold the event loop for as long, so
// each event writes names for at most `slice` and, when more are waiting, posts the next
// one: the loop paints and takes input between slices. Names are fed in the order they
// were produced, each exactly once.
//
// Threads: everything here runs on the GUI thread except the worker's run. The worker
// never touches the form; its names arrive through TMythread's queue and its queued
// signals, so a GUI thread that waits for the worker keeps receiving them.
#pragma once

#include "generation/classic.h"
#include "generation/classic_worker.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace velmora {

class ClassicFeed : public QObject {
  Q_OBJECT

 public:
  // emitName receives every name on the GUI thread. When it throws, the run ends quietly:
  // Running is cleared and the rest of the run's names are dropped.
  ClassicFeed(std::atomic<bool>& running, std::function<void(const QString&)> emitName,
              QObject* parent = nullptr);
  // Waits for a worker still running (it uses the caller's query), feeding nothing more.
  ~ClassicFeed() override;

  // Starts a run on a new worker. The caller has waited for the earlier one (Wait).
  void Start(const ClassicInputs& inputs, Query& adoFenxi);
  // Waits for the current worker and feeds everything it produced, at once.
  void Wait();
  // Waits for the current worker, feeds what it produced and forgets the run: its queued
  // end no longer reports. For a run that another kind of run replaces.
  void Retire();
  // No worker is running.
  bool Idle() const;

  // The longest one event spends feeding names: a quarter of a 60 Hz frame, so the
  // panes' own work and a paint fit in the same frame.
  std::chrono::nanoseconds slice = std::chrono::milliseconds(4);
  // The first slice of a run stops after this many names, more than a screen of rows, so
  // the first rows show as soon as the first statement is out.
  int firstSliceNames = 512;

 signals:
  void fed();       // names went to emitName
  void finished();  // the current run has ended and every name it produced was fed

 private:
  // Feeds names until none are waiting or the time is up (no limit when unlimited);
  // true when none are waiting.
  bool Feed(bool unlimited);
  void OnNamesReady();
  void Continue();
  void QueueContinuation();
  void OnWorkerFinished(int run);

  std::atomic<bool>& running_;
  std::function<void(const QString&)> emitName_;
  std::unique_ptr<TMythread> worker_;
  int run_ = 0;               // counts runs, to ignore the end of an earlier one
  QStringList batch_;         // taken from the worker, not yet fed from index next_ on
  qsizetype next_ = 0;
  bool continuationQueued_ = false;
  bool workerDone_ = false;   // the current run's worker has ended
  bool finishedSent_ = false;
  bool failed_ = false;       // emitName threw: the run's further names are dropped
  bool firstSliceDone_ = false;
};

}  // namespace velmora
