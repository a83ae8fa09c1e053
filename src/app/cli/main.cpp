// velmora-cli: what a user runs from a window, scriptable, through the same functions.
//
//   velmora-cli COMMAND [ARGUMENTS] [--help]
//
// One row per command below; each command's file parses its own arguments.
#include "app/cli/commands.h"
#include "app/cli/common.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>

namespace {

struct Command {
  const char* name;
  int (*run)(const QStringList&);
  const char* summary;
};

constexpr Command kCommands[] = {
    {"analyze", velmora::cli::RunAnalyze, "姓名分析报告"},
    {"calendar", velmora::cli::RunCalendar, "万年历的一个月"},
    {"jiri", velmora::cli::RunJiri, "吉日列表(建除, 黄道)"},
    {"bazi", velmora::cli::RunBazi, "八字分析报告"},
    {"names", velmora::cli::RunNames, "取名模式找到的名字"},
    {"xiaoming", velmora::cli::RunXiaoming, "为名字推荐小名"},
    {"jiemeng", velmora::cli::RunJiemeng, "解梦(民间传统说法)"},
};

std::string Usage() {
  std::string usage = "用法: velmora-cli 命令 [参数] [--help]\n命令:\n";
  for (const Command& c : kCommands) usage += std::string("  ") + c.name + "\t" + c.summary + "\n";
  usage += "--version 显示版本. 每个命令的 --help 列出它的选项. 退出码: 0 成功, 1 输入被拒绝或运行失败, 2 参数错误.\n";
  return usage;
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty()) {
    std::fputs(Usage().c_str(), stderr);
    return velmora::cli::kExitBadArguments;
  }
  const QString name = args.takeFirst();
  if (name == QStringLiteral("--version")) {
    std::printf("velmora-cli %s\n", VELMORA_VERSION);
    return velmora::cli::kExitOk;
  }
  if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
    std::fputs(Usage().c_str(), stdout);
    return velmora::cli::kExitOk;
  }
  for (const Command& c : kCommands) {
    if (name == QLatin1String(c.name)) return c.run(args);
  }
  return velmora::cli::BadArguments(QStringLiteral("未知的命令 %1").arg(name), Usage().c_str());
}
