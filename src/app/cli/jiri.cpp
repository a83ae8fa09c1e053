// velmora-cli jiri: the 吉日 list.
//
//   velmora-cli jiri [--from yyyy-MM-dd] [--days N] [--data DIR]
//
// One line per day, tab-separated: date, weekday, lunar date, day pillar, 建除, day spirit,
// 黄道 or 黑道; the same lines the 吉日 window lists and copies. The solar months come from
// the jie terms of table JQ in Tgcode.dll.
#include "app/cli/commands.h"
#include "app/cli/common.h"
#include "calendar/frm_jiri.h"
#include "refdb/errors.h"

#include <QDate>

#include <cstdio>

namespace velmora::cli {

namespace {

const char* const kUsage =
    "用法: velmora-cli jiri [选项]\n"
    "  输出吉日列表, 每天一行, 以制表符分隔: 日期, 星期, 农历, 日柱, 建除, 值神, 黄道或黑道. UTF-8.\n"
    "选项:\n"
    "  --from 年-月-日        起始日期, 如 2026-05-01(默认 今天), 1901-01-01 至 2099-12-31\n"
    "  --days 天数           列出的天数, 1 至 3660(默认 30)\n"
    "  --data 目录           参考数据库所在目录(默认 程序所在目录)\n"
    "  --help                显示本说明\n";

constexpr int kMaxDays = 3660;

}  // namespace

int RunJiri(const QStringList& arguments) {
  ParsedArgs args;
  if (const auto exit = ParseCommand(args, arguments, {QStringLiteral("--from"), QStringLiteral("--days"), QStringLiteral("--data")}, kUsage)) return *exit;
  if (!args.positional.isEmpty()) return BadArguments(QStringLiteral("多余的参数 %1").arg(args.positional[0]), kUsage);
  QDate from = QDate::currentDate();
  if (args.Has(QStringLiteral("--from"))) {
    from = QDate::fromString(args.Value(QStringLiteral("--from")), QStringLiteral("yyyy-MM-dd"));
    if (!from.isValid()) return BadArguments(QStringLiteral("--from 的格式是 年-月-日, 如 2026-05-01"), kUsage);
  }
  int days = 30;
  if (args.Has(QStringLiteral("--days"))) {
    bool ok = false;
    days = args.Value(QStringLiteral("--days")).toInt(&ok);
    if (!ok || days < 1 || days > kMaxDays) return BadArguments(QStringLiteral("--days 是 1 到 3660 的整数"), kUsage);
  }
  if (from < calendar::TFrmJiri::FirstDate() || from > calendar::TFrmJiri::LastDate())
    return Refused(QStringLiteral("起始日期须在 1901-01-01 至 2099-12-31 之间"));

  calendar::JiriList list;
  try {
    list = calendar::MakeJiriList(from, days, DataFolder(args));
  } catch (const std::exception& e) {
    return Refused(ErrorBoxText(QString::fromUtf8(e.what())));
  }
  for (const calendar::JiriDay& d : list.days) PrintLine(calendar::JiriLine(d));
  if (!list.shortNotice.isEmpty()) return Refused(list.shortNotice);
  return kExitOk;
}

}  // namespace velmora::cli
