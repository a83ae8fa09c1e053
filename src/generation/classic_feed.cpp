// ClassicFeed: see classic_feed.h.
#include "generation/classic_feed.h"

#include <QElapsedTimer>

namespace velmora {

ClassicFeed::ClassicFeed(std::atomic<bool>& running, std::function<void(const QString&)> emitName, QObject* parent)
    : QObject(parent), running_(running), emitName_(std::move(emitName)) {}

ClassicFeed::~ClassicFeed() {
  if (worker_) worker_->wait();
}

void ClassicFeed::Start(const ClassicInputs& inputs, Query& adoFenxi) {
  if (worker_) worker_->wait();  // a running thread must not be destroyed
  worker_.reset();
  batch_.clear();
  next_ = 0;
  workerDone_ = false;
  finishedSent_ = false;
  failed_ = false;
  firstSliceDone_ = false;
  worker_ = std::make_unique<TMythread>(inputs, adoFenxi, running_);
  connect(worker_.get(), &TMythread::namesReady, this, &ClassicFeed::OnNamesReady, Qt::QueuedConnection);
  // The end of an earlier worker may still wait in the queue when a new run has begun;
  // only the current worker's end closes its run. (A run number, not the worker's
  // address: a new worker may reuse the old one's memory.)
  const int run = ++run_;
  connect(worker_.get(), &QThread::finished, this, [this, run] { OnWorkerFinished(run); }, Qt::QueuedConnection);
  worker_->start();
}

void ClassicFeed::Wait() {
  if (!worker_) return;
  worker_->wait();
  Feed(/*unlimited=*/true);
}

void ClassicFeed::Retire() {
  Wait();
  ++run_;  // the retired worker's queued end is now an earlier run's
  worker_.reset();
}

bool ClassicFeed::Idle() const { return !worker_ || worker_->isFinished(); }

bool ClassicFeed::Feed(bool unlimited) {
  if (!worker_) return true;
  QElapsedTimer clock;
  clock.start();
  const int countLimit = unlimited || firstSliceDone_ ? -1 : firstSliceNames;
  firstSliceDone_ = true;
  bool fedAny = false;
  bool drained = false;
  for (int n = 1;; ++n) {
    if (next_ == batch_.size()) {
      batch_ = worker_->TakeNames();
      next_ = 0;
      if (batch_.isEmpty()) {
        drained = true;
        break;
      }
      if (failed_) {  // the run has ended: what the worker still had is dropped
        batch_.clear();
        continue;
      }
    }
    try {
      emitName_(batch_[next_++]);
      fedAny = true;
    } catch (const std::exception&) {
      running_ = false;  // a name that cannot be written ends the run quietly
      failed_ = true;
      batch_.clear();
      next_ = 0;
    }
    if (n == countLimit) break;
    // The clock is read every 32 names, a few microseconds of work.
    if (!unlimited && n % 32 == 0 && clock.nsecsElapsed() >= std::chrono::nanoseconds(slice).count()) break;
  }
  if (fedAny) emit fed();
  return drained;
}

void ClassicFeed::Continue() {
  if (!Feed(/*unlimited=*/false)) {
    QueueContinuation();
    return;
  }
  if (workerDone_ && !finishedSent_) {
    finishedSent_ = true;
    emit finished();
  }
}

// The worker announces names when its queue was empty. A continuation already waiting
// takes them, so at most one slice runs per turn of the event loop.
void ClassicFeed::OnNamesReady() {
  if (!continuationQueued_) Continue();
}

void ClassicFeed::QueueContinuation() {
  if (continuationQueued_) return;
  continuationQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        continuationQueued_ = false;
        Continue();
      },
      Qt::QueuedConnection);
}

void ClassicFeed::OnWorkerFinished(int run) {
  if (run != run_) return;
  workerDone_ = true;
  if (!continuationQueued_) Continue();  // otherwise the continuation ends the run
}

}  // namespace velmora
