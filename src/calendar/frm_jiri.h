// TFrmJiri, the 吉日 window "吉日", as a form: the days from a start date, 30, 60 or 90 of
// them, each with its lunar date, day pillar, 建除 value and day spirit (jiri.h); the 黄道
// days marked and, on request, shown alone. The view lists them in a list control, so a
// user can select and copy lines.
//
// The solar months come from the real jie instants of table JQ in Tgcode.dll, read for the
// year before the start (its 大雪 rules early January) through the year of the last day.
// A missing database file shows the standard error box; years missing from the table
// shorten the list, and a notice says so.
#pragma once

#include "calendar/jiri.h"
#include "refdb/connection_text.h"
#include "refdb/ui.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace velmora::calendar {

// The jie terms of Gregorian years first..last from table JQ of Tgcode.dll in `folder`, in
// date order. Throws DbError when the file or the table cannot be read.
std::vector<JieTerm> LoadJieTerms(int first, int last, const QString& folder);

// One day as a line of tab-separated fields: date (yyyy-MM-dd), weekday, lunar date, day
// pillar, 建除, spirit, 黄道 or 黑道.
QString JiriLine(const JiriDay& day);

// The days of the list, with the notice to give when the table ends before the last day
// (empty when the list is whole). Throws DbError as LoadJieTerms does.
struct JiriList {
  std::vector<JiriDay> days;
  QString shortNotice;
};
JiriList MakeJiriList(QDate from, int days, const QString& folder);

class TFrmJiri {
 public:
  static constexpr int kDayChoices[] = {30, 60, 90};
  static QDate FirstDate() { return QDate(1901, 1, 1); }
  static QDate LastDate() { return QDate(2099, 12, 31); }

  // today: the system clock; tests inject their own day.
  TFrmJiri(Ui& ui, QString folder, std::function<QDate()> today = [] { return QDate::currentDate(); });

  // ---- controls ----
  QDate DateEdit1;                 // 起始日期, within FirstDate()..LastDate()
  QStringList CBDaysItems{QStringLiteral("30天"), QStringLiteral("60天"), QStringLiteral("90天")};
  int CBDaysIndex = 0;
  bool CBHuangdao = false;         // 只显示黄道日
  std::vector<JiriDay> ListView1;  // the lines shown
  QString LabelSummary;            // 共 30 天, 黄道日 14 天

  // ---- handlers ----
  void FormShow();                 // today's list
  void DateEdit1Change();
  void CBDaysChange();
  void CBHuangdaoClick();
  void BtnCopyClick();             // 复制: the lines shown, with a header line
  void CopyRows(const std::vector<int>& rows);  // the chosen lines shown (Ctrl+C in the list)

  // The header of the list's columns, also the first line copied.
  static QStringList Columns();

 private:
  void Refresh();  // recomputes the days and the lines shown
  void Filter();   // the lines shown from the days

  Ui& ui_;
  QString folder_;
  std::function<QDate()> today_;
  std::vector<JiriDay> days_;
};

}  // namespace velmora::calendar
