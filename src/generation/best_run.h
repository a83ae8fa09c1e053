// One run of 推荐模式 from the main window's inputs: the quality order of best_order.h over
// the listed stroke plans (the chosen one, or all of them with 电脑全自动), balanced to the
// chart of the birth boxes, and the results grid it fills a page at a time.
//
// The birth boxes count when they hold a usable date (the 八字 report's rule) that is not
// the window's untouched start values (2010-01-01 子 0 01, 公历): a parent who never set
// the date has not asked for a chart. Otherwise the order ignores elements, and the note
// the status strip shows once after the run says why.
#pragma once

#include "bazi/birth.h"
#include "generation/best_order.h"
#include "generation/controls.h"
#include "generation/list_mode.h"
#include "generation/list_run.h"
#include "refdb/query.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace velmora {

// The birth boxes as the 八字 report reads them.
bazi::BirthInput BirthInputOf(const NamingControls& c);
// The boxes hold something other than the start values.
bool BirthEntered(const NamingControls& c);

class BestRun {
 public:
  // Starts a run: reads the plans of CBCode and their zh rows, the surname's details and the
  // fixed character on adoTem, the chart of the birth boxes (folder: where the databases
  // lie), and scores every name. Returns how many names it scored (0: none). Throws
  // SilentStop for a surname of neither one nor two characters, NotAnInteger for an
  // unreadable plan item or bound, DbError from the database.
  int Open(const NamingControls& controls, Query& adoTem, const QString& folder, const NameFilter& filter);

  // The next page into rows and reasons (one per grid data row, from the first); shown(item,
  // zf) for each row, item as the high-score list writes it: 张思远(76).
  void FillPage(int pageSize, std::vector<GridRow>& rows, QStringList& reasons,
                const std::function<void(const QString& item, qint64 zf)>& shown);
  bool AllShown() const { return !order_ || order_->Done(); }
  // What the strip says once after the run: whether and how the chart shaped the order.
  const QString& ChartNote() const { return chartNote_; }
  const BestOrder* Order() const { return order_.get(); }

 private:
  GridRow Cells(const BestName& name, int number) const;

  std::unique_ptr<BestOrder> order_;
  SurnameInfo surnameInfo_;
  QString chartNote_;
};

}  // namespace velmora
