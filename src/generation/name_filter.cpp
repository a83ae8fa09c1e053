// The filter of every mode's names: see name_filter.h.
#include "generation/name_filter.h"

namespace velmora {

NameFilter NameFilter::ForFolder(const QString& folder) { return NameFilter(naming::NameChecker::For(folder)); }

NameFilter NameFilter::WithWishes(const CharWishes& wishes) const {
  NameFilter out = *this;
  out.wishes_ = wishes;
  return out;
}

bool NameFilter::Keep(const QString& surname, const QString& given) const {
  // The 用字 first: a comparison of a few characters, before the checks' lookups.
  return wishes_.Allows(given) && (!checker_ || !checker_->Refuses(surname, given));
}

}  // namespace velmora
