// The one filter that every mode's names pass through before they are shown: classic,
// list, idiom, 美名, poetry and 组合 mode hand each name to Keep.
//
// It leaves out the names the name checks refuse (a homophone, meaning or fame finding,
// naming/name_check.h). A default NameFilter keeps every name: the modes' own tests run
// their statements without it. Copies share one loaded checker, so a filter is cheap to
// pass around and may be used from the classic worker's thread.
#pragma once

#include "naming/name_check.h"

#include <QString>

#include <memory>

namespace velmora {

class NameFilter {
 public:
  NameFilter() = default;
  explicit NameFilter(std::shared_ptr<const naming::NameChecker> checker) : checker_(std::move(checker)) {}
  // The filter of the databases in folder (its checker loaded once per process).
  static NameFilter ForFolder(const QString& folder);

  // The name may be shown: surname as typed (trimmed), given name of one or two characters.
  bool Keep(const QString& surname, const QString& given) const;
  // The checker behind the filter, or nullptr for a filter that keeps everything.
  const naming::NameChecker* Checker() const { return checker_.get(); }

 private:
  std::shared_ptr<const naming::NameChecker> checker_;
};

}  // namespace velmora
