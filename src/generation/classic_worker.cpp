#include "generation/classic_worker.h"

namespace velmora {

TMythread::TMythread(ClassicInputs inputs, Query& adoFenxi, const std::atomic<bool>& running, QObject* parent)
    : QThread(parent), inputs_(std::move(inputs)), adoFenxi_(adoFenxi), running_(running) {}

QStringList TMythread::TakeNames() {
  std::lock_guard lock(mutex_);
  QStringList out;
  out.swap(pending_);
  return out;
}

void TMythread::run() {
  MakeClassicNames(inputs_, adoFenxi_, running_, [this](const QString& name) {
    bool first = false;
    {
      std::lock_guard lock(mutex_);
      first = pending_.isEmpty();
      pending_ << name;
    }
    if (first) emit namesReady();
  });
}

}  // namespace velmora
