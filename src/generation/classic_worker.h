// TMythread, the classic-mode worker: runs one classic run on its own thread and hands
// the produced names to the GUI thread in batches.
//
// The worker never touches the form. Names go into a queue guarded by a mutex; the first
// name of an empty queue raises namesReady(), which a queued connection delivers to the GUI
// thread, whose feed (ClassicFeed) takes the whole queue at once and writes it in time
// slices. A GUI thread that waits for the worker (TakeNames after wait()) never blocks the
// worker.
#pragma once

#include "generation/classic.h"

#include <QThread>

#include <atomic>
#include <mutex>

namespace velmora {

class TMythread : public QThread {
  Q_OBJECT

 public:
  TMythread(ClassicInputs inputs, Query& adoFenxi, const std::atomic<bool>& running, QObject* parent = nullptr);

  // The names produced since the last call, in order.
  QStringList TakeNames();

 signals:
  void namesReady();

 protected:
  void run() override;  // Execute

 private:
  ClassicInputs inputs_;
  Query& adoFenxi_;
  const std::atomic<bool>& running_;
  std::mutex mutex_;
  QStringList pending_;
};

}  // namespace velmora
