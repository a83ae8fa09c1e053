// velmora-cli analyze: the name analysis report on the command line.
//
//   velmora-cli analyze SURNAME GIVEN [--sex 男|女] [--calendar 公历|农历]
//                       [--date YYYY-M-D] [--hour 0..23] [--minute TEXT] [--out FILE]
//
// Prints the same report the analysis window writes, line for line, in UTF-8. --out also
// saves it as the window's save action writes a file (GB18030, CR LF after every line),
// to FILE exactly as given. Missing values take the window's defaults.
#include "app/cli/commands.h"
#include "app/cli/common.h"
#include "naming/analysis.h"
#include "refdb/errors.h"
#include "text/gbk.h"

#include <QDate>

#include <cstdio>

namespace velmora::cli {

namespace {

const char* const kUsage =
    "用法: velmora-cli analyze 姓 名 [选项]\n"
    "  输出姓名分析报告(与姓名分析窗口的报告逐行相同), UTF-8.\n"
    "选项:\n"
    "  --sex 男|女           性别(默认 男)\n"
    "  --calendar 公历|农历  出生日期所用历法(默认 公历)\n"
    "  --date 年-月-日       出生日期, 如 1990-5-17(默认 1980-1-1)\n"
    "  --hour 0..23          出生小时(默认 0)\n"
    "  --minute 分           出生分钟, 原样写入报告(默认 0)\n"
    "  --out 文件            另存报告为文本文件(GB18030 编码, CR LF 换行)\n"
    "  --data 目录           参考数据库所在目录(默认 程序所在目录)\n"
    "  --help                显示本说明\n";

}  // namespace

int RunAnalyze(const QStringList& arguments) {
  ParsedArgs args;
  BirthOptions birth;
  if (const std::optional<int> done = ReadBirthCommand(arguments, {QStringLiteral("--out")}, kUsage, args, birth))
    return *done;
  if (args.positional.size() != 2) return BadArguments(QStringLiteral("需要姓和名两个参数"), kUsage);
  for (const QString& part : args.positional) {
    if (text::Trim(part).isEmpty()) return BadArguments(QStringLiteral("姓和名都不能为空"), kUsage);
    if (text::GbkLength(part) > 4) return BadArguments(QStringLiteral("“%1”超过两个汉字").arg(part), kUsage);
  }

  // Only what was given is passed: the analysis fills the rest with the window's defaults.
  NameAnalysisRequest request;
  request.surname = args.positional[0];
  request.given = args.positional[1];
  request.sex = birth.sex;
  request.calendarKind = birth.calendarKind;
  if (args.Has(QStringLiteral("--date"))) {
    request.year = birth.year;
    request.month = birth.month;
    request.day = birth.day;
  }
  if (args.Has(QStringLiteral("--hour"))) request.hour = birth.hour;
  if (args.Has(QStringLiteral("--minute"))) request.minute = birth.minute;

  QStringList report;
  try {
    report = naming::AnalysisReport(request, birth.folder, QDate::currentDate().year());
  } catch (const SilentStop&) {
    return Refused(QStringLiteral("分析中止(参考数据库不可用)"));
  } catch (const std::exception& e) {
    return Refused(ErrorBoxText(QString::fromUtf8(e.what())));
  }
  for (const QString& line : report) PrintLine(line);
  const QString out = args.Value(QStringLiteral("--out"));
  if (!out.isEmpty() && !naming::WriteFileAtomically(out, naming::ReportFileBytes(report)))
    return Refused(QStringLiteral("无法写入文件“%1”").arg(out));
  return kExitOk;
}

}  // namespace velmora::cli
