// render_date_window: draws the perpetual calendar window and the 吉日 window to PNG files,
// to look at their layout without a display:
//   date_today.png      the calendar as opened today, today highlighted;
//   date_2015_02.png    stepped there with the up-downs (February 2015: cells 1..28), the
//                       month's up-down left open;
//   date_2026_02.png    a month holding 春节, 除夕, 情人节 and two solar terms, opened on 2026-02-17;
//   jiri.png            the 吉日 window from today, 30 days;
//   jiri_huangdao.png   the same with only the 黄道 days.
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

#include <cstdio>

namespace {

using velmora::calendar::TFRM_Date;
using velmora::render::Save;

class ConsoleUi final : public velmora::render::ConsoleDialogs<velmora::Ui> {};

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

  ConsoleUi ui;
  velmora::calendar::TFrmJiri form(ui, QCoreApplication::applicationDirPath() + QLatin1Char('/'), [today] { return today; });
  velmora::JiriWindow jiri(form);
  jiri.show();
  std::printf("jiri: %s\n", qUtf8Printable(form.LabelSummary));
  ok &= !form.ListView1.empty() && Save(jiri, out + QStringLiteral("/jiri.png"));
  if (auto* box = jiri.findChild<QCheckBox*>(QStringLiteral("CBHuangdao"))) box->setChecked(true);
  ok &= Save(jiri, out + QStringLiteral("/jiri_huangdao.png"));
  return ok ? 0 : 1;
}
