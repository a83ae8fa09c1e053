// velmora-cli names --mode best: 推荐模式 on the command line.
//
//   velmora-cli names SURNAME --mode best [--sex 男|女] [--form 单字名|双字名] [--plan ITEM]
//                     [--fixed 字 --at 2|3] [--min N]
//                     [--calendar 公历|农历 --date YYYY-M-D --hour H --minute M] [--explain]
//
// The names command sets the main window's inputs from the options (the birth boxes only
// with --date) and hands them here. The run is the window's (BestRun): the same plans,
// chart, order and pages of 500. Each name is printed as the high-score list writes it
// (张思远(76)); --explain adds a tab and the reasons the status strip shows. What the chart
// did to the order goes to stderr first, as the strip says it once.
#include "app/cli/commands.h"
#include "app/cli/common.h"
#include "generation/best_run.h"
#include "naming/name_check.h"
#include "refdb/errors.h"
#include "text/gbk.h"

#include <cstdio>

namespace velmora::cli {

int RunNamesBest(const NamingControls& controls, Query& adoTem, const QString& folder, const NameFilter& filter,
                 bool explain, const naming::NameChecker* refused) {
  BestRun run;
  int total = 0;
  try {
    total = run.Open(controls, adoTem, folder, filter);
  } catch (const SilentStop&) {
    return Refused(QStringLiteral("姓必须是一个或两个汉字"));
  }
  std::fprintf(stderr, "%s\n", run.ChartNote().toUtf8().constData());
  const QString surname = text::Trim(controls.Xing.text);
  constexpr int kPageSize = 500;
  std::vector<GridRow> rows(kPageSize);
  QStringList reasons(kPageSize);
  int printed = 0;
  while (total > 0 && !run.AllShown()) {
    QStringList items;
    run.FillPage(kPageSize, rows, reasons, [&items](const QString& item, qint64) { items << item; });
    for (qsizetype i = 0; i < items.size(); ++i) {
      if (refused) {
        const naming::NameCheck check = refused->Check(surname, items[i].section(QLatin1Char('('), 0, 0).mid(surname.size()));
        if (check.Refused()) PrintLine(items[i] + QLatin1Char('\t') + check.LabelledFindings());
        continue;
      }
      PrintLine(explain ? items[i] + QLatin1Char('\t') + reasons[i] : items[i]);
    }
    printed += static_cast<int>(items.size());
  }
  if (printed == 0 && !refused)
    std::fprintf(stderr, "%s\n", "没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、更换模式等)。");
  return kExitOk;
}

}  // namespace velmora::cli
