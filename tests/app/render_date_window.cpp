// render_date_window: draws the perpetual calendar window and the 吉日 window to PNG files,
// to look at their layout without a display:
//   date_today.png      the calendar as opened today, today highlighted;
//   date_2015_02.png    stepped there with the up-downs (February 2015: cells 1..28), the
//                       month's up-down left open;
//   date_2026_02.png    a month holding 春节, 除夕, 情人节 and two solar terms, opened on 2026-02-17;
//   date_2023_12.png    a month of six rows, opened on 2023-12-31 (the sixth row's 十九 sits
//                       just above the lower separator line);
//   jiri.png            the 吉日 window from today, 30 days;
//   jiri_huangdao.png   the same with only the 黄道 days;
//   side_1989_08.png    the calendar window and the 吉日 window for August 1989 side by
//                       side, to compare their lunar dates (六月三十 on 08-01, 七夕 on 08-08).
//
// Usage: render_date_window [output folder]
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise; the 吉日 window
// reads Tgcode.dll beside the program.
#include "app/view/date_window.h"
#include "app/view/jiri_window.h"
#include "calendar/frm_jiri.h"

#include "render_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace {

using velmora::calendar::TFRM_Date;
using velmora::render::Save;

class ConsoleUi final : public velmora::render::ConsoleDialogs<velmora::Ui> {};

// Two windows' pictures in one, left to right, on white.
bool SaveSideBySide(QWidget& left, QWidget& right, const QString& path) {
  QCoreApplication::processEvents();
  const QPixmap a = left.grab();
  const QPixmap b = right.grab();
  constexpr int kGap = 12;
  QImage both(a.width() + kGap + b.width(), std::max(a.height(), b.height()), QImage::Format_RGB32);
  both.fill(Qt::white);
  QPainter painter(&both);
  painter.drawPixmap(0, 0, a);
  painter.drawPixmap(a.width() + kGap, 0, b);
  painter.end();
  const bool ok = both.save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qUtf8Printable(path));
  return ok;
}

bool SaveCalendar(const QString& path, QDate today, const std::function<void(TFRM_Date&)>& steps = {}) {
  velmora::DateWindow window(nullptr, [today] { return today; });
  window.show();
  if (steps) {
    steps(window.form());
    window.render();
  }
  std::printf("calendar %s, highlight at %d,%d, %s %s\n", qUtf8Printable(window.form().Label1 + QLatin1Char('-') + window.form().Label17),
              window.form().Shape2.x, window.form().Shape2.y, qUtf8Printable(window.form().Label21),
              qUtf8Printable(window.form().Label22));
  return Save(window, path);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString out = velmora::render::OutputFolder(argc, argv);
  if (out.isEmpty()) return 1;
  const QDate today = QDate::currentDate();

  bool ok = SaveCalendar(out + QStringLiteral("/date_today.png"), today);
  ok &= SaveCalendar(out + QStringLiteral("/date_2015_02.png"), today, [today](TFRM_Date& form) {
    form.Label1Click();
    for (int y = today.year(); y > 2015; --y) form.UpDown1Click(TFRM_Date::Step::Down);
    form.Label17Click();
    for (int m = today.month(); m > 2; --m) form.UpDown2Click(TFRM_Date::Step::Down);
    for (int m = today.month(); m < 2; ++m) form.UpDown2Click(TFRM_Date::Step::Up);
  });
  ok &= SaveCalendar(out + QStringLiteral("/date_2026_02.png"), QDate(2026, 2, 17));
  ok &= SaveCalendar(out + QStringLiteral("/date_2023_12.png"), QDate(2023, 12, 31));

  ConsoleUi ui;
  velmora::calendar::TFrmJiri form(ui, QCoreApplication::applicationDirPath() + QLatin1Char('/'), [today] { return today; });
  velmora::JiriWindow jiri(form);
  jiri.show();
  std::printf("jiri: %s\n", qUtf8Printable(form.LabelSummary));
  ok &= !form.ListView1.empty() && Save(jiri, out + QStringLiteral("/jiri.png"));
  if (auto* box = jiri.findChild<QCheckBox*>(QStringLiteral("CBHuangdao"))) box->setChecked(true);
  ok &= Save(jiri, out + QStringLiteral("/jiri_huangdao.png"));

  const QDate august1989(1989, 8, 1);
  velmora::DateWindow calendar1989(nullptr, [august1989] { return august1989; });
  calendar1989.show();
  velmora::calendar::TFrmJiri form1989(ui, QCoreApplication::applicationDirPath() + QLatin1Char('/'),
                                       [august1989] { return august1989; });
  velmora::JiriWindow jiri1989(form1989);
  jiri1989.show();
  ok &= !form1989.ListView1.empty() && SaveSideBySide(calendar1989, jiri1989, out + QStringLiteral("/side_1989_08.png"));
  return ok ? 0 : 1;
}
