// Classic mode: names for one stroke plan or for all listed plans, joined from table word
// by the plan's stroke counts, the child's sex and an optional fixed character.
//
// The statements are built exactly as the mode has always written them; their px offsets
// (551/5000 for one plan, 1000/5001 for all plans) and fixed-character rows order the
// names. All plans go eight to a statement joined by " union ".
//
// Output order (the nine-slice order): with R rows and d = R div 9, for e = 1..d the rows
// e + k·d are emitted for k in the slice order, so the first names shown come from all
// parts of the ordering; then rows 9d+1..R in order.
#pragma once

#include "generation/name_filter.h"
#include "generation/stroke_plans.h"
#include "refdb/query.h"

#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <functional>
#include <vector>

namespace velmora {

// What a run reads from the main window, copied when the run starts.
struct ClassicInputs {
  QString surname;          // trimmed Xing
  bool male = true;         // CBsex "男"
  bool twoChars = true;     // CBXingshi "双字名"
  QString fixed;            // trimmed Gudingzi
  bool fixedSecond = true;  // CBdijizi "第二字"
  QString selectedPlan;     // trimmed CBCode text
  QStringList plans;        // CBCode items after "电脑全自动"
  NameFilter filter;        // names it refuses are left out (the order of the rest stays)

  static ClassicInputs From(const NamingControls& c);
  bool AllPlans() const;
};

using SliceOrder = std::array<int, 9>;
inline constexpr SliceOrder kOnePlanOrder{0, 1, 2, 3, 4, 5, 6, 7, 8};
inline constexpr SliceOrder kAllPlansOrder{5, 8, 0, 1, 7, 2, 6, 3, 4};

// The statement for the selected plan.
QString OnePlanStatement(const ClassicInputs& in, const PlanItem& plan);

// The statements for all plans, one per group of eight.
QStringList AllPlansStatements(const ClassicInputs& in, const QList<PlanItem>& plans);

// Record numbers (1-based) in output order.
std::vector<int> NineSliceOrder(int rows, const SliceOrder& order);

// One classic run on adoFenxi: builds the statements, opens them and hands each produced
// name to emit, testing running before each group of plans, each group of nine rows and
// each remaining row. Names the inputs' filter refuses are not handed on; the others keep
// their places in the nine-slice order. Every failure ends the run quietly; adoFenxi is
// closed at the end.
void MakeClassicNames(const ClassicInputs& in, Query& adoFenxi, const std::atomic<bool>& running,
                      const std::function<void(const QString&)>& emitName);

}  // namespace velmora
