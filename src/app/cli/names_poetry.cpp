// velmora-cli names --mode poetry|zuhe: the names of a poetry run over a collected text.
//
//   velmora-cli names SURNAME --mode poetry|zuhe --text FILE [--sex 男|女]
//                     [--form 双字名|单字名] [--min N] [--explain] [--data DIR]
//                     [--avoid 字字 --want 字字]
//
// FILE (UTF-8) stands for the collected text: the chosen poems of 诗词模式 or the text typed
// in 组合模式; both modes run the same statement over it. Each name is printed as the name
// list shows it, 张明月(76分), best first, then a tab and the line of the text it comes from.
// --min is the 只取 bound (60, as both modes set it). --explain adds a tab and the meanings,
// tone pattern and findings of the name, as the status strip shows them.
#include "app/cli/commands.h"
#include "app/cli/common.h"
#include "generation/poetry_names.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "text/gbk.h"

#include <atomic>
#include <cstdio>

namespace velmora::cli {

namespace {

const char* const kUsage =
    "用法: velmora-cli names 姓 --mode poetry|zuhe --text 文件 [选项]\n"
    "  诗词模式(poetry)与组合模式(zuhe): 用文件中的文字(UTF-8, 即已选诗词或自己输入的文字)取名,\n"
    "  按分数从高到低输出 名字(分数分), 制表符, 名字所出的那一行.\n"
    "选项:\n"
    "  --mode poetry|zuhe    取名模式\n"
    "  --text 文件           已选诗词或输入的文字, UTF-8, 至多 1 MB\n"
    "  --sex 男|女           性别(默认 男)\n"
    "  --form 双字名|单字名  名字形式(默认 双字名)\n"
    "  --min 分              只取该分数以上的名字(默认 60)\n"
    "  --explain             每个名字后加制表符和字义、声调及谐音寓意提示\n"
    "  --refused             只输出因谐音、寓意或重名而被略去的名字及其原因\n"
    "  --avoid 字字          不要的字: 名字中一定不用的字(可填多个)\n"
    "  --want 字字           想要的字: 每个名字至少含其中一个\n"
    "  --data 目录           参考数据库所在目录(默认 程序所在目录)\n"
    "  --help                显示本说明\n";

}  // namespace

int RunNamesPoetry(const QStringList& arguments) {
  ParsedArgs args;
  const QStringList known = QStringList{QStringLiteral("--mode"), QStringLiteral("--text"), QStringLiteral("--sex"),
                                        QStringLiteral("--form"), QStringLiteral("--min"),  QStringLiteral("--data")} +
                            WishOptionNames();
  if (const auto exit = ParseCommand(args, arguments, known, kUsage, {QStringLiteral("--explain"), QStringLiteral("--refused")}))
    return *exit;
  const QString mode = args.Value(QStringLiteral("--mode"));
  if (mode != QStringLiteral("poetry") && mode != QStringLiteral("zuhe"))
    return BadArguments(QStringLiteral("--mode 只能是 poetry 或 zuhe"), kUsage);
  if (args.positional.size() != 1) return BadArguments(QStringLiteral("需要一个姓"), kUsage);
  if (const QString e = CheckSurname(text::Trim(args.positional[0])); !e.isEmpty()) return BadArguments(e, kUsage);
  if (!args.Has(QStringLiteral("--text"))) return BadArguments(QStringLiteral("需要 --text 文件"), kUsage);

  PoetryInputs in;
  in.surname = text::Trim(args.positional[0]);
  const QString sex = args.Value(QStringLiteral("--sex"), QStringLiteral("男"));
  if (sex != QStringLiteral("男") && sex != QStringLiteral("女")) return BadArguments(QStringLiteral("--sex 只能是 男 或 女"), kUsage);
  in.male = sex == QStringLiteral("男");
  const QString form = args.Value(QStringLiteral("--form"), QStringLiteral("双字名"));
  if (form != QStringLiteral("双字名") && form != QStringLiteral("单字名"))
    return BadArguments(QStringLiteral("--form 只能是 双字名 或 单字名"), kUsage);
  in.twoChars = form == QStringLiteral("双字名");
  in.zuidiFee = args.Value(QStringLiteral("--min"), QStringLiteral("60"));
  bool isNumber = false;
  in.zuidiFee.toInt(&isNumber);
  if (!isNumber) return BadArguments(QStringLiteral("--min 必须是整数"), kUsage);
  CharWishes wishes;
  if (const QString e = ReadWishOptions(args, &wishes); !e.isEmpty()) return BadArguments(e, kUsage);
  if (const QString e = ReadBoundedUtf8(args.Value(QStringLiteral("--text")), kMaxCollectedBytes, &in.text); !e.isEmpty())
    return Refused(e);
  if (text::Trim(in.text).isEmpty())
    return Refused(mode == QStringLiteral("zuhe") ? QStringLiteral("请先输入要组合的文字。")
                                                   : QStringLiteral("没有选择诗词，请查看已选诗词!"));

  // The main window's connection and its two queries, as the window runs it.
  Connection main(DbConnectionText(DbFile::PelvanoMain, DataFolder(args)));
  Query adoTem(main), adoFenxi(main);
  const std::atomic<bool> running{true};
  try {
    if (const QString e = WishesRefused(adoTem, wishes, in.male, QString()); !e.isEmpty()) return Refused(e);
  } catch (const std::exception& e) {
    return Refused(ErrorBoxText(QString::fromUtf8(e.what())));
  }
  in.filter = NameFilter::ForFolder(DataFolder(args)).WithWishes(wishes);
  const bool explain = args.flags.contains(QStringLiteral("--explain"));
  // --refused: keep every name, print only those the checks leave out, with their findings.
  const naming::NameChecker* refused = args.flags.contains(QStringLiteral("--refused")) ? in.filter.Checker() : nullptr;
  const NameFilter checks = in.filter;
  if (refused) in.filter = NameFilter().WithWishes(wishes);
  const PoetryOutcome outcome = MakePoetryNames(in, adoTem, adoFenxi, running, [] {}, [&](const PoetryName& name) {
    if (refused) {
      const naming::NameCheck check = refused->Check(in.surname, name.given);
      if (check.Refused()) PrintLine(name.item + QLatin1Char('\t') + check.LabelledFindings());
      return;
    }
    QString line = name.item + QLatin1Char('\t') + name.source;
    if (explain) line += QLatin1Char('\t') + checks.Checker()->Check(in.surname, name.given).Summary();
    PrintLine(line);
  });
  if (outcome == PoetryOutcome::Failed) return Refused(QStringLiteral("取名失败(参考数据库不可用或数据有误)"));
  if (outcome == PoetryOutcome::NoneFound)
    std::fprintf(stderr, "%s\n", "提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！");
  return kExitOk;
}

}  // namespace velmora::cli
