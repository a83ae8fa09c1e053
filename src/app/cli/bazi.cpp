// velmora-cli bazi: the birth-chart report on the command line.
//
//   velmora-cli bazi SURNAME [--sex 男|女] [--calendar 公历|农历] [--date YYYY-M-D]
//                    [--hour 0..23] [--minute 0..59] [--data DIR]
//
// Prints the report the toolbar's 八字 writes, line for line, in UTF-8, through the same
// function. A date the report refuses exits 1 with its message; so does a report that ends
// after its bone-weight heading because dream.dll cannot be read (the lines written so far
// are printed first).
#include "app/cli/commands.h"
#include "app/cli/common.h"
#include "bazi/report.h"
#include "refdb/errors.h"
#include "text/gbk.h"

#include <QDate>

namespace velmora::cli {

namespace {

const char* const kUsage =
    "用法: velmora-cli bazi 姓 [选项]\n"
    "  输出八字分析报告(与主窗口 八字 按钮写出的报告逐行相同), UTF-8.\n"
    "选项:\n"
    "  --sex 男|女           性别(默认 男)\n"
    "  --calendar 公历|农历  出生日期所用历法(默认 公历)\n"
    "  --date 年-月-日       出生日期, 如 1990-5-17(默认 1980-1-1)\n"
    "  --hour 0..23          出生小时(默认 0)\n"
    "  --minute 0..59        出生分钟(默认 0)\n"
    "  --data 目录           参考数据库所在目录(默认 程序所在目录)\n"
    "  --help                显示本说明\n";

// Notices and message boxes become the refusal the command reports.
class CommandLineUi : public Ui {
 public:
  void ShowNotice(const QString& text) override { message = text; }
  void ShowInformation(const QString&, const QString& text) override { message = text; }
  void ShowError(const QString&, const QString& text) override { message = text; }
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
  QString message;
};

}  // namespace

int RunBazi(const QStringList& arguments) {
  ParsedArgs args;
  BirthOptions birth;
  if (const std::optional<int> done = ReadBirthCommand(arguments, {}, kUsage, args, birth)) return *done;
  if (args.positional.size() != 1) return BadArguments(QStringLiteral("需要一个参数: 姓"), kUsage);
  if (text::Trim(args.positional[0]).isEmpty()) return BadArguments(QStringLiteral("姓不能为空"), kUsage);
  bool minuteOk = false;
  const int minute = birth.minute.toInt(&minuteOk);
  if (!minuteOk || minute < 0 || minute > 59) return BadArguments(QStringLiteral("--minute 是 0 到 59 的整数"), kUsage);

  // Two digits, as the window's minute box lists them (05, not 5).
  const QString minuteText = QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
  const bazi::BirthInput input{args.positional[0], birth.sex,  birth.year, birth.month,
                               birth.day,          birth.hour, minuteText, birth.calendarKind};
  CommandLineUi ui;
  QStringList report;
  bazi::BaziOutcome outcome = bazi::BaziOutcome::Refused;
  try {
    outcome = bazi::WriteBaziReport(input, ui, birth.folder, QDate::currentDate(), report);
  } catch (const SilentStop&) {
    for (const QString& line : report) PrintLine(line);
    return Refused(QStringLiteral("报告在称骨一节中止(dream.dll 不可用)"));
  }
  if (outcome != bazi::BaziOutcome::Written) return Refused(ui.message);
  for (const QString& line : report) PrintLine(line);
  return kExitOk;
}

}  // namespace velmora::cli
