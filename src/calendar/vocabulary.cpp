// vocabulary.cpp: the calendar's texts (see vocabulary.h).
#include "calendar/vocabulary.h"

namespace velmora::calendar {
namespace {

// Star signs by the first month-day of each range; a date belongs to the last range that
// starts on or before it. 摩羯座 appears twice because it spans the turn of the year.
struct SignStart {
  int month;
  int day;
  std::u16string_view sign;
};
constexpr std::array<SignStart, 13> kSignStarts = {{
    {1, 1, u"摩羯座"},
    {1, 20, u"水瓶座"},
    {2, 19, u"双鱼座"},
    {3, 21, u"白羊座"},
    {4, 21, u"金牛座 "},  // the one sign printed with a trailing blank
    {5, 21, u"双子座"},
    {6, 22, u"巨蟹座"},
    {7, 23, u"狮子座"},
    {8, 23, u"处女座"},
    {9, 23, u"天秤座"},
    {10, 23, u"天蝎座"},
    {11, 22, u"射手座"},
    {12, 22, u"摩羯座"},
}};

}  // namespace

QString NameText(std::u16string_view name) {
  return QString(reinterpret_cast<const QChar*>(name.data()), static_cast<qsizetype>(name.size()));
}

QString NameOf(Tiangan gan) { return NameText(TianganNames[static_cast<std::size_t>(gan.index())]); }
QString NameOf(Dizhi zhi) { return NameText(DizhiNames[static_cast<std::size_t>(zhi.index())]); }
QString NameOf(Element e) { return NameText(WuxingNames[static_cast<std::size_t>(e.index())]); }
QString NameOf(GanZhi gz) { return NameOf(gz.gan()) + NameOf(gz.zhi()); }
QString ShengxiaoOf(Dizhi zhi) {
  return NameText(ShengxiaoNames[static_cast<std::size_t>(zhi.index())]);
}

QString GanZhiYearText(int n) {
  // Stem by n mod 10 and branch by n mod 12 is the same as the 60-cycle position n mod 60.
  const GanZhi year = GanZhi::FromIndex(n);
  return NameOf(year) + QChar(u'(') + ShengxiaoOf(year.zhi()) + QStringLiteral("年)");
}

QString LunarDayText(int day) {
  auto number = [](int n) { return NameText(NumberNames[static_cast<std::size_t>(n - 1)]); };
  if (day >= 1 && day <= 10) return QChar(u'初') + number(day);
  if (day >= 11 && day <= 19) return QChar(u'十') + number(day - 10);
  if (day == 20) return QStringLiteral("二十");
  if (day >= 21 && day <= 29) return QChar(u'廿') + number(day - 20);
  if (day == 30) return QStringLiteral("三十");
  return QString();
}

QString LunarMonthText(int month, bool leap) {
  QString text;
  if (leap) text += QChar(u'闰');
  if (month >= 1 && month <= 10) {
    text += NameText(NumberNames[static_cast<std::size_t>(month - 1)]);
  } else if (month == 11) {
    text += QStringLiteral("十一");
  } else if (month == 12) {
    text += QStringLiteral("十二");
  }
  return text + QChar(u'月');
}

QString HourItemText(int hour) {
  if (hour < 0 || hour > 23) return {};
  // 23:00 already belongs to the next 子 period; the item keeps its own hour number.
  return NameText(DizhiNames[static_cast<std::size_t>(((hour + 1) / 2) % 12)]) + QLatin1Char(' ') + QString::number(hour);
}

QStringList HourItems() {
  QStringList out;
  for (int h = 0; h < 24; ++h) out << HourItemText(h);
  return out;
}

QString XingzuoOf(QDate date) {
  if (!date.isValid()) return QString();
  std::u16string_view sign = kSignStarts.front().sign;
  for (const SignStart& start : kSignStarts) {
    if (date.month() > start.month || (date.month() == start.month && date.day() >= start.day)) {
      sign = start.sign;
    }
  }
  return NameText(sign);
}

}  // namespace velmora::calendar
