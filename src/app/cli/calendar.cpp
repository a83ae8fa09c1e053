// velmora-cli calendar: one month as the calendar window labels it.
//
//   velmora-cli calendar YYYY-MM
//
// First a line with the zodiac pair the window shows for the month's first day, then one
// line per day, tab-separated: date (yyyy-MM-dd), weekday, the text under the day in the
// window, CalLunarMonthText, CalLunarDayText, CalSolarTermName, CalGregorianFestival,
// CalLunarFestival, CalXingzuo. Empty fields stay empty. The texts come from the window's
// own form, filled by ShowMonth as the window is.
#include "app/cli/commands.h"
#include "app/cli/common.h"
#include "calendar/cal_festivals.h"
#include "calendar/cal_lunar.h"
#include "calendar/frm_date.h"

#include <QDate>
#include <QRegularExpression>

#include <cstdio>

namespace velmora::cli {

namespace {

const char* const kUsage =
    "用法: velmora-cli calendar 年-月\n"
    "  按万年历窗口的标注输出一个月, UTF-8. 年份 1901 至 2050, 如 2026-12.\n"
    "  第一行是生肖, 其后每天一行, 以制表符分隔: 日期, 星期, 窗口中日期下的文字, 农历月,\n"
    "  农历日, 节气, 公历节日, 农历节日, 星座. 没有的项留空.\n"
    "选项:\n"
    "  --data 目录           参考数据库所在目录(接受此选项; 万年历只用内置的表)\n"
    "  --help                显示本说明\n";

}  // namespace

int RunCalendar(const QStringList& arguments) {
  ParsedArgs args;
  // --data is taken as by every command; the month's labels come from built-in tables.
  if (const auto exit = ParseCommand(args, arguments, {QStringLiteral("--data")}, kUsage)) return *exit;
  if (args.positional.size() != 1) return BadArguments(QStringLiteral("需要一个参数: 年-月"), kUsage);
  static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{1,2})$"));
  const auto m = re.match(args.positional[0]);
  const QDate first = m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), 1) : QDate();
  if (!first.isValid()) return BadArguments(QStringLiteral("“%1”不是 年-月, 如 2026-12").arg(args.positional[0]), kUsage);
  if (first.year() < calendar::TFRM_Date::kFirstYear || first.year() > calendar::TFRM_Date::kLastYear)
    return Refused(QStringLiteral("万年历只有 1901 至 2050 年"));

  calendar::TFRM_Date form;
  form.BuildDayGrid();
  form.ShowMonth(first);
  PrintLine(form.Label21);
  const int w = first.dayOfWeek() % 7 + 1;  // the cell of the 1st, as ShowMonth places it
  for (int d = 1; d <= first.daysInMonth(); ++d) {
    const QDate date(first.year(), first.month(), d);
    PrintLine(QStringList{date.toString(QStringLiteral("yyyy-MM-dd")), calendar::WeekdayText(date),
                          form.LunarLabels[w + d - 1].text, calendar::CalLunarMonthText(date),
                          calendar::CalLunarDayText(date), calendar::CalSolarTermName(date),
                          calendar::CalGregorianFestival(d, date), calendar::CalLunarFestival(date),
                          calendar::CalXingzuo(date)}
                  .join(QLatin1Char('\t')));
  }
  return kExitOk;
}

}  // namespace velmora::cli
