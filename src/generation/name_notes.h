// What the status strip says of a selected name: where it comes from (美名 and poetry
// names), then the meaning and reading of each given-name character, the tone pattern and
// any finding of the name checks (naming/name_check.h):
//   「思远」 出自 杜甫《登高》：…　思sī：思考深远…；远yuǎn：目光长远…　声调 仄平仄
// A name without a source line opens with the name itself.
#pragma once

#include "generation/name_filter.h"

#include <QString>

namespace velmora {

// surname: the surname now in the main window (trimmed); item: a list item or grid name
// (张思远(76), 张思远); source: the source part already written, or empty. An item whose
// given name cannot be cut gives the source alone.
QString NameStatusText(const NameFilter& filter, const QString& surname, const QString& item, const QString& source);

}  // namespace velmora
