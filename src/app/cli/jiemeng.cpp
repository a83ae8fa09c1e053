// velmora-cli jiemeng: the 解梦 window's search on the command line.
//
//   velmora-cli jiemeng TEXT [--data DIR]
//
// Every dream the window's search finds, best first, one per line: keyword, category and
// reading, tab-separated. The readings are folk sayings for entertainment, as the window
// says. Nothing found: a message on stderr, exit 0.
#include "app/cli/commands.h"
#include "app/cli/common.h"
#include "tools/jiemeng.h"

#include <cstdio>

namespace velmora::cli {

namespace {

const char* const kUsage =
    "用法: velmora-cli jiemeng 梦中的事物 [选项]\n"
    "  按关键词查找解梦(民间传统说法, 仅供娱乐), 每行: 关键词, 制表符, 类别, 制表符, 解说. UTF-8.\n"
    "选项:\n"
    "  --data 目录           参考数据库所在目录(默认 程序所在目录)\n"
    "  --help                显示本说明\n";

}  // namespace

int RunJiemeng(const QStringList& arguments) {
  ParsedArgs args;
  if (const auto exit = ParseCommand(args, arguments, {QStringLiteral("--data")}, kUsage)) return *exit;
  if (args.positional.size() != 1) return BadArguments(QStringLiteral("需要一个参数: 梦中的事物, 如 蛇"), kUsage);
  if (args.positional[0].size() > 100) return BadArguments(QStringLiteral("查找的文字最多 100 个字"), kUsage);
  try {
    const tools::DreamDictionary dictionary = tools::DreamDictionary::Load(DataFolder(args));
    const std::vector<int> found = dictionary.Search(args.positional[0]);
    for (int i : found) {
      const tools::DreamEntry& e = dictionary.Entries()[static_cast<std::size_t>(i)];
      PrintLine(e.keyword + u'\t' + e.category + u'\t' + e.reading);
    }
    if (found.empty()) std::fprintf(stderr, "没有找到“%s”的解梦\n", args.positional[0].toUtf8().constData());
  } catch (const std::exception& e) {
    return Refused(QStringLiteral("无法读取解梦数据: %1").arg(QString::fromUtf8(e.what())));
  }
  return kExitOk;
}

}  // namespace velmora::cli
