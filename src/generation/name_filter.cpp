// The filter of every mode's names: see name_filter.h.
#include "generation/name_filter.h"

namespace velmora {

NameFilter NameFilter::ForFolder(const QString& folder) { return NameFilter(naming::NameChecker::For(folder)); }

bool NameFilter::Keep(const QString& surname, const QString& given) const {
  return !checker_ || !checker_->Refuses(surname, given);
}

}  // namespace velmora
