// velmora-cli xiaoming: the 小名 window's proposals for a name.
//
//   velmora-cli xiaoming SURNAME [GIVEN] [--sex 男|女] [--data DIR]
//
// One line per nickname, as the window lists and copies them: nickname, where it comes from
// (叠字, 小字, 阿字, 常用小名) and its meaning, tab-separated. Nicknames left out by the name
// checks go to stderr with their reason.
#include "app/cli/commands.h"
#include "app/cli/common.h"
#include "text/gbk.h"
#include "tools/xiaoming.h"

#include <cstdio>

namespace velmora::cli {

namespace {

const char* const kUsage =
    "用法: velmora-cli xiaoming 姓 [名] [选项]\n"
    "  为名字推荐小名(乳名): 名字用字的叠字、小字、阿字, 以及常用小名; 读音或含义不妥的略去.\n"
    "  每行: 小名, 制表符, 来历, 制表符, 寓意. UTF-8.\n"
    "选项:\n"
    "  --sex 男|女           性别(默认 男)\n"
    "  --data 目录           参考数据库所在目录(默认 程序所在目录)\n"
    "  --help                显示本说明\n";

}  // namespace

int RunXiaoming(const QStringList& arguments) {
  ParsedArgs args;
  if (const auto exit = ParseCommand(args, arguments, {QStringLiteral("--sex"), QStringLiteral("--data")}, kUsage)) return *exit;
  if (args.positional.isEmpty() || args.positional.size() > 2)
    return BadArguments(QStringLiteral("需要姓, 以及可选的名"), kUsage);
  if (const QString e = CheckSurname(text::Trim(args.positional[0])); !e.isEmpty()) return BadArguments(e, kUsage);
  const QString given = text::Trim(args.positional.value(1));
  for (char32_t c : given.toUcs4()) {
    if (const QString e = CheckOneCharacter(QStringLiteral("名"), QString::fromUcs4(&c, 1)); !e.isEmpty())
      return BadArguments(e, kUsage);
  }
  if (given.toUcs4().size() > 2) return BadArguments(QStringLiteral("名最多两个汉字"), kUsage);
  const QString sex = args.Value(QStringLiteral("--sex"), QStringLiteral("男"));
  if (sex != QStringLiteral("男") && sex != QStringLiteral("女")) return BadArguments(QStringLiteral("--sex 只能是 男 或 女"), kUsage);

  try {
    const tools::NicknameResult r =
        tools::MakeNicknames(given, sex == QStringLiteral("男"), tools::LoadNicknameSources(DataFolder(args)));
    for (const tools::Nickname& n : r.nicknames) PrintLine(tools::NicknameLine(n));
    for (const QString& refused : r.refused) std::fprintf(stderr, "略去 %s\n", refused.toUtf8().constData());
  } catch (const std::exception& e) {
    return Refused(QStringLiteral("无法读取小名数据: %1").arg(QString::fromUtf8(e.what())));
  }
  return kExitOk;
}

}  // namespace velmora::cli
