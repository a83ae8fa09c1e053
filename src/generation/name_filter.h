// The one filter that every mode's names pass through before they are shown: classic,
// list, idiom, 美名, poetry and 组合 mode hand each name to Keep.
//
// It leaves out the names the name checks refuse (a homophone, meaning or fame finding,
// naming/name_check.h), and, with the family's 用字 (WithWishes, generation/char_wishes.h),
// every name holding an avoided character or, when characters are wanted, none of them.
// The main window gives each run FrmQiming::NamingFilter(), velmora-cli the filter of its
// --avoid and --want: a new mode takes its filter from there, so it honours both.
// A default NameFilter keeps every name: the modes' own tests run their statements
// without it. Copies share one loaded checker, so a filter is cheap to pass around and may
// be used from the classic worker's thread.
#pragma once

#include "generation/char_wishes.h"
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

  // This filter that also leaves out what the 用字 rule out.
  NameFilter WithWishes(const CharWishes& wishes) const;
  const CharWishes& Wishes() const { return wishes_; }

  // The name may be shown: surname as typed (trimmed), given name of one or two characters.
  bool Keep(const QString& surname, const QString& given) const;
  // The checker behind the filter, or nullptr for a filter that keeps everything.
  const naming::NameChecker* Checker() const { return checker_.get(); }

 private:
  std::shared_ptr<const naming::NameChecker> checker_;
  CharWishes wishes_;
};

}  // namespace velmora
