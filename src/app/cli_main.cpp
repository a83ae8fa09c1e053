// velmora-cli: the name analysis report on the command line.
//
//   velmora-cli analyze SURNAME GIVEN [--sex 男|女] [--calendar 公历|农历]
//                       [--date YYYY-M-D] [--hour 0..23] [--minute TEXT] [--out FILE]
//
// Prints the same report the analysis window writes, line for line, in UTF-8. --out also
// saves it as the window's save action writes a file (GB18030, CR LF after every line),
// to FILE exactly as given. Missing values take the window's defaults (1980-1-1, 子 0,
// minute 0). Exit status: 0 on success, 2 for bad arguments, 1 when the analysis fails.
#include "calendar/vocabulary.h"
#include "naming/analysis.h"
#include "refdb/errors.h"
#include "text/gbk.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>

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

int Fail(const QString& message) {
  std::fprintf(stderr, "velmora-cli: %s\n%s", message.toUtf8().constData(), kUsage);
  return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty() || args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
    std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
    return args.isEmpty() ? 2 : 0;
  }
  if (args.takeFirst() != QStringLiteral("analyze")) return Fail(QStringLiteral("未知的命令; 只有 analyze"));

  velmora::NameAnalysisRequest request;
  request.sex = QStringLiteral("男");
  QStringList positional;
  QString out;
  QString folder = velmora::ProgramFolder();
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (!a.startsWith(QStringLiteral("--"))) {
      positional << a;
      continue;
    }
    if (i + 1 >= args.size()) return Fail(QStringLiteral("选项 %1 缺少值").arg(a));
    const QString value = args[++i];
    if (a == QStringLiteral("--sex")) {
      if (value != QStringLiteral("男") && value != QStringLiteral("女")) return Fail(QStringLiteral("--sex 只能是 男 或 女"));
      request.sex = value;
    } else if (a == QStringLiteral("--calendar")) {
      if (value == QStringLiteral("公历")) request.calendarKind = 0;
      else if (value == QStringLiteral("农历")) request.calendarKind = 1;
      else return Fail(QStringLiteral("--calendar 只能是 公历 或 农历"));
    } else if (a == QStringLiteral("--date")) {
      static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
      const auto m = re.match(value);
      if (!m.hasMatch()) return Fail(QStringLiteral("--date 的格式是 年-月-日, 如 1990-5-17"));
      request.year = m.captured(1);
      request.month = m.captured(2);
      request.day = m.captured(3);
    } else if (a == QStringLiteral("--hour")) {
      bool ok = false;
      const int h = value.toInt(&ok);
      if (!ok || h < 0 || h > 23) return Fail(QStringLiteral("--hour 是 0 到 23 的整数"));
      request.hour = velmora::calendar::HourItemText(h);
    } else if (a == QStringLiteral("--minute")) {
      request.minute = value;
    } else if (a == QStringLiteral("--out")) {
      out = value;
    } else if (a == QStringLiteral("--data")) {
      folder = value.endsWith(QLatin1Char('/')) ? value : value + QLatin1Char('/');
    } else {
      return Fail(QStringLiteral("未知的选项 %1").arg(a));
    }
  }
  if (positional.size() != 2) return Fail(QStringLiteral("需要姓和名两个参数"));
  request.surname = positional[0];
  request.given = positional[1];
  for (const QString& part : positional) {
    if (velmora::text::Trim(part).isEmpty()) return Fail(QStringLiteral("姓和名都不能为空"));
    if (velmora::text::GbkLength(part) > 4) return Fail(QStringLiteral("“%1”超过两个汉字").arg(part));
  }

  QStringList report;
  try {
    report = velmora::naming::AnalysisReport(request, folder, QDate::currentDate().year());
  } catch (const velmora::SilentStop&) {
    std::fprintf(stderr, "velmora-cli: 分析中止(参考数据库不可用)\n");
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmora-cli: %s\n", velmora::ErrorBoxText(QString::fromUtf8(e.what())).toUtf8().constData());
    return 1;
  }
  for (const QString& line : report) std::printf("%s\n", line.toUtf8().constData());
  if (!out.isEmpty() && !velmora::naming::WriteFileAtomically(out, velmora::naming::ReportFileBytes(report))) {
    std::fprintf(stderr, "velmora-cli: 无法写入文件“%s”\n", out.toUtf8().constData());
    return 1;
  }
  return 0;
}
