// velmora-cli names: what a naming mode finds, on the command line.
//
//   velmora-cli names SURNAME [--sex 男|女] [--form 单字名|双字名]
//                     [--mode best|classic|list|idiom|meiming] [--plan ITEM]
//                     [--fixed 字 --at 2|3] [--min N] [--seed N] [--explain] [--data DIR]
//                     [--grid] [--avoid 字字 --want 字字]
//                     [--calendar 公历|农历 --date YYYY-M-D --hour H --minute M]   (best only)
//   velmora-cli names SURNAME --mode poetry|zuhe --text FILE [...]   (names_poetry.cpp)
//
// Sets the main window's inputs as given, loads the stroke plans as leaving the surname
// box does, and runs the mode's own statements through the name filter every mode uses.
// Every name the mode shows is printed, one per line: the high-score list item as the
// window writes it (张思远(80分) in classic mode, 张思远(76) in list, idiom and 美名 mode),
// and in 美名 mode a tab and the source line the status strip shows. Names come in the
// window's order: classic names in the nine-slice order; list and idiom names page by page
// in the grid's random order (--seed N repeats a run; without it each run draws anew); 美名
// names in its own order; 推荐模式 (best, names_best.cpp) in its quality order, balanced to the
// chart of --date. --explain adds a tab and what the status strip says of the name:
// the meanings of its characters, its tone pattern and the findings of the name checks.
// --refused prints instead only the names the checks leave out, each with its findings, from
// a run that keeps them all: what a consultant reads to judge the checks.
// --grid prints, in list, idiom and 美名 mode, the results grid's cells of each name instead
// (名称 繁体字 拼音 五行 笔画 五格 三才 分数, by tabs).
// --avoid and --want are the main window's 用字: no name holds an avoided character, and
// with wanted characters each holds one of them (the name filter of every mode).
//
// A mode is one row of kModes: its name and the function that runs it.
#include "app/cli/commands.h"
#include "app/cli/common.h"
#include "bazi/birth.h"
#include "generation/best_run.h"
#include "generation/classic.h"
#include "generation/list_run.h"
#include "generation/name_item.h"
#include "generation/stroke_plans.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "text/gbk.h"

#include <QRandomGenerator>

#include <atomic>
#include <cstdio>

namespace velmora::cli {

namespace {

const char* const kUsage =
    "用法: velmora-cli names 姓 [选项]\n"
    "  输出取名模式找到的全部名字(不分页), 每行一个, UTF-8.\n"
    "选项:\n"
    "  --sex 男|女                 性别(默认 男)\n"
    "  --form 单字名|双字名        名字形式(默认 双字名)\n"
    "  --mode best|classic|list|idiom|meiming|poetry|zuhe\n"
    "                              推荐、经典、列表、成语、美名、诗词、组合模式(默认 classic)\n"
    "  --text 文件                 诗词模式与组合模式: 已选诗词或输入的文字(UTF-8)\n"
    "  --plan 方案                 笔画方案, 如 11|10-6(80分) 或 11|10-6(默认 电脑全自动)\n"
    "  --fixed 字 --at 2|3         固定第二字或第三字(默认 第二字)\n"
    "  --min 分                    只取该分数以上的方案(默认 不限)\n"
    "  --seed N                    列表与成语模式: 随机抽取的种子, 同一种子输出同一顺序\n"
    "  --calendar 公历|农历 --date 年-月-日 --hour 0..23 --minute 0..59\n"
    "                              推荐模式: 出生日期与时间, 按八字喜用排序(不给 --date 则不参考八字)\n"
    "  --explain                   每个名字后加制表符和字义、声调及谐音寓意提示(推荐模式: 推荐理由)\n"
    "  --refused                   只输出因谐音、寓意或重名而被略去的名字及其原因\n"
    "  --grid                      列表、成语与美名模式: 输出结果表格的各列(名称 繁体字 拼音 五行 笔画 五格 三才 分数)\n"
    "  --avoid 字字                不要的字: 名字中一定不用的字(可填多个)\n"
    "  --want 字字                 想要的字: 每个名字至少含其中一个\n"
    "  --data 目录                 参考数据库所在目录(默认 程序所在目录)\n"
    "  --help                      显示本说明\n"
    "美名、诗词与组合模式的每行在名字后有一个制表符和名字的出处.\n"
    "诗词与组合模式的选项见 velmora-cli names --mode poetry --help.\n";

// What a mode's run needs: the window's inputs, set from the options, and its two queries.
struct NamesContext {
  NamingControls& controls;
  Query& adoTem;
  Query& adoFenxi;
  QString folder;
  NameFilter filter;
  quint64 seed = 0;
  bool explain = false;
  bool grid = false;  // --grid: the results grid's cells instead of the list item
  // --refused: the run keeps every name and prints only those the checks would leave out,
  // each with its findings.
  const naming::NameChecker* refused = nullptr;

  // The line of one name: the item, the source when there is one, the explanation.
  void Print(const QString& item, const QString& source = QString()) const {
    QString line = source.isEmpty() ? item : item + QLatin1Char('\t') + source;
    const QString surname = text::Trim(controls.Xing.text);
    const QString given = FullNameOfItem(item).mid(surname.size());
    if (refused) {
      const naming::NameCheck check = refused->Check(surname, given);
      if (check.Refused()) PrintLine(item + QLatin1Char('\t') + check.LabelledFindings());
      return;
    }
    if (explain) line += QLatin1Char('\t') + filter.Checker()->Check(surname, given).Summary();
    PrintLine(line);
  }
};

int RunClassic(NamesContext& ctx) {
  const std::atomic<bool> running{true};
  ClassicInputs in = ClassicInputs::From(ctx.controls);
  in.filter = ctx.filter;
  MakeClassicNames(in, ctx.adoFenxi, running, [&ctx](const QString& name) { ctx.Print(name); });
  return kExitOk;
}

int RunListKind(NamesContext& ctx, ListKind kind) {
  ListRun run;
  int total = 0;
  ListInputs in = ListInputs::From(ctx.controls);
  in.filter = ctx.filter;
  try {
    total = run.Open(kind, in, ctx.adoTem, ctx.adoFenxi, ctx.seed);
  } catch (const SilentStop&) {
    return Refused(QStringLiteral("姓必须是一个或两个汉字"));
  }
  const auto none = [] { std::fprintf(stderr, "%s\n", "没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、更换模式等)。"); };
  if (total == 0) {
    none();
    return kExitOk;
  }
  // Page by page, as the grid shows them.
  constexpr int kPageSize = 500;
  std::vector<GridRow> rows(kPageSize);
  QStringList sources(kPageSize);
  qsizetype printed = 0;
  while (!run.paging.AllShown()) {
    QStringList items;
    sources.fill(QString());
    run.FillPage(ctx.adoFenxi, kPageSize, rows, sources, [&items](const QString& item, qint64) { items << item; });
    for (qsizetype i = 0; i < items.size(); ++i) {
      const GridRow& row = rows[static_cast<std::size_t>(i)];
      if (ctx.grid) PrintLine(QStringList(row.begin() + 1, row.end()).join(QLatin1Char('\t')));
      else ctx.Print(items[i], sources[i]);
    }
    printed += items.size();
  }
  // Records found, but the name checks and the 用字 refused every one: as the window says.
  if (printed == 0 && !ctx.refused) none();
  return kExitOk;
}

struct NamesMode {
  const char* name;
  int (*run)(NamesContext&);
};

constexpr NamesMode kModes[] = {
    {"best", [](NamesContext& ctx) { return RunNamesBest(ctx.controls, ctx.adoTem, ctx.folder, ctx.filter, ctx.explain, ctx.refused); }},
    {"classic", RunClassic},
    {"list", [](NamesContext& ctx) { return RunListKind(ctx, ListKind::List); }},
    {"idiom", [](NamesContext& ctx) { return RunListKind(ctx, ListKind::Idiom); }},
    {"meiming", [](NamesContext& ctx) { return RunListKind(ctx, ListKind::Meiming); }},
};

const QStringList& OptionNames() {
  static const QStringList names = QStringList{
      QStringLiteral("--sex"),   QStringLiteral("--form"), QStringLiteral("--mode"), QStringLiteral("--plan"),
      QStringLiteral("--fixed"), QStringLiteral("--at"),   QStringLiteral("--min"),  QStringLiteral("--data"),
      QStringLiteral("--seed"), QStringLiteral("--calendar"), QStringLiteral("--date"), QStringLiteral("--hour"),
      QStringLiteral("--minute")} + WishOptionNames();
  return names;
}

// The birth boxes from --calendar, --date, --hour and --minute, as the window lists them
// (07, 子 0, 05); left at the start values without --date, so that no chart is read.
QString SetBirthBoxes(const ParsedArgs& args, NamingControls& c) {
  const QStringList options = {QStringLiteral("--calendar"), QStringLiteral("--date"), QStringLiteral("--hour"),
                               QStringLiteral("--minute")};
  const bool any = std::any_of(options.cbegin(), options.cend(), [&](const QString& o) { return args.Has(o); });
  if (!any) return QString();
  if (args.Value(QStringLiteral("--mode")) != QStringLiteral("best")) return QStringLiteral("出生日期选项只用于推荐模式(--mode best)");
  if (!args.Has(QStringLiteral("--date"))) return QStringLiteral("--calendar、--hour、--minute 需与 --date 同用");
  BirthOptions birth;
  if (const QString e = ReadBirthOptions(args, birth); !e.isEmpty()) return e;
  bool ok = false;
  const int minute = birth.minute.toInt(&ok);
  if (!ok || minute < 0 || minute > 59) return QStringLiteral("--minute 是 0 到 59 的整数");
  auto two = [](const QString& n) { return QStringLiteral("%1").arg(n.toInt(), 2, 10, QLatin1Char('0')); };
  c.ComDate.Select(birth.calendarKind);
  c.SYear.text = birth.year;
  c.SMonth.text = two(birth.month);
  c.Sday.text = two(birth.day);
  c.Shour.text = birth.hour;
  c.CBFen.text = two(birth.minute);
  if (!bazi::PrepareBirth(BirthInputOf(c))) return QStringLiteral("--date 不是有效的出生日期(1900-1-31 至 2100-12-31)");
  return QString();
}

// Sets the window's inputs from the options; an error text for a value of the wrong form.
QString SetControls(const ParsedArgs& args, NamingControls& c) {
  c.Xing.text = text::Trim(args.positional.value(0));
  const QString sex = args.Value(QStringLiteral("--sex"), QStringLiteral("男"));
  if (!c.CBsex.items.contains(sex)) return QStringLiteral("--sex 只能是 男 或 女");
  c.CBsex.Select(static_cast<int>(c.CBsex.items.indexOf(sex)));
  const QString form = args.Value(QStringLiteral("--form"), QStringLiteral("双字名"));
  if (!c.CBXingshi.items.contains(form)) return QStringLiteral("--form 只能是 单字名 或 双字名");
  c.CBXingshi.Select(static_cast<int>(c.CBXingshi.items.indexOf(form)));
  const QString fixed = text::Trim(args.Value(QStringLiteral("--fixed")));
  if (args.Has(QStringLiteral("--fixed"))) {
    if (const QString e = CheckOneCharacter(QStringLiteral("--fixed"), fixed); !e.isEmpty()) return e;
  }
  if (!fixed.isEmpty() && form == QStringLiteral("单字名")) return QStringLiteral("单字名不能固定文字");
  c.Gudingzi.text = fixed;
  const QString at = args.Value(QStringLiteral("--at"), QStringLiteral("2"));
  if (at != QStringLiteral("2") && at != QStringLiteral("3")) return QStringLiteral("--at 只能是 2 或 3");
  c.CBdijizi.Select(at == QStringLiteral("2") ? 0 : 1);
  c.CBFeeXX.checked = args.Has(QStringLiteral("--min"));
  c.ZuidiFee.text = args.Value(QStringLiteral("--min"));
  if (c.CBFeeXX.checked && !IsInteger(text::Trim(c.ZuidiFee.text))) return QStringLiteral("--min 必须是整数");
  return SetBirthBoxes(args, c);
}

// Selects the plan item: its text as the list holds it, or without its score tag.
bool SelectPlan(ComboState& plans, const QString& wanted) {
  for (int i = 0; i < plans.items.size(); ++i) {
    const QString& item = plans.items[i];
    if (item == wanted || item.section(QLatin1Char('('), 0, 0) == wanted) {
      plans.Select(i);
      return true;
    }
  }
  return false;
}

}  // namespace

int RunNames(const QStringList& arguments) {
  // 诗词 and 组合 mode draw on a collected text, not on the stroke plans: their own file.
  const qsizetype modeAt = arguments.indexOf(QStringLiteral("--mode"));
  if (modeAt >= 0 && modeAt + 1 < arguments.size() &&
      (arguments[modeAt + 1] == QStringLiteral("poetry") || arguments[modeAt + 1] == QStringLiteral("zuhe")))
    return RunNamesPoetry(arguments);
  ParsedArgs args;
  if (const auto exit = ParseCommand(args, arguments, OptionNames(), kUsage, {QStringLiteral("--explain"), QStringLiteral("--refused"), QStringLiteral("--grid")})) return *exit;
  if (args.positional.size() != 1) return BadArguments(QStringLiteral("需要一个参数: 姓"), kUsage);
  const QString surname = text::Trim(args.positional[0]);
  if (const QString e = CheckSurname(surname); !e.isEmpty()) return BadArguments(e, kUsage);
  const QString modeName = args.Value(QStringLiteral("--mode"), QStringLiteral("classic"));
  const NamesMode* mode = nullptr;
  for (const NamesMode& m : kModes) {
    if (modeName == QLatin1String(m.name)) mode = &m;
  }
  if (!mode) return BadArguments(QStringLiteral("未知的模式 %1").arg(modeName), kUsage);
  NamingControls controls = NamingControls::Defaults();
  if (const QString e = SetControls(args, controls); !e.isEmpty()) return BadArguments(e, kUsage);
  quint64 seed = QRandomGenerator::system()->generate64();
  if (args.Has(QStringLiteral("--seed"))) {
    bool ok = false;
    seed = args.Value(QStringLiteral("--seed")).toULongLong(&ok);
    if (!ok) return BadArguments(QStringLiteral("--seed 必须是非负整数"), kUsage);
  }
  const bool explain = args.flags.contains(QStringLiteral("--explain"));
  CharWishes wishes;
  if (const QString e = ReadWishOptions(args, &wishes); !e.isEmpty()) return BadArguments(e, kUsage);

  try {
    Connection connection(DbConnectionText(DbFile::PelvanoMain, DataFolder(args)));
    connection.Open();
    Query adoTem(connection);
    Query adoFenxi(connection);
    int planKind = 0;
    LoadStrokePlans(controls, adoTem, surname, &planKind);
    if (args.Has(QStringLiteral("--plan")) && !SelectPlan(controls.CBCode, text::Trim(args.Value(QStringLiteral("--plan")))))
      return Refused(QStringLiteral("笔画方案“%1”不在%2的方案中; 可选: %3")
                         .arg(args.Value(QStringLiteral("--plan")), surname, controls.CBCode.items.join(QLatin1Char(' '))));
    if (const QString e = WishesRefused(adoTem, wishes, controls.CBsex.index != 1, controls.Gudingzi.text); !e.isEmpty())
      return Refused(e);
    NamesContext ctx{controls, adoTem, adoFenxi, DataFolder(args), NameFilter::ForFolder(DataFolder(args)).WithWishes(wishes), seed, explain};
    ctx.grid = args.flags.contains(QStringLiteral("--grid"));
    if (args.flags.contains(QStringLiteral("--refused"))) {
      ctx.refused = ctx.filter.Checker();
      ctx.filter = NameFilter().WithWishes(wishes);
    }
    return mode->run(ctx);
  } catch (const std::exception& e) {
    return Refused(ErrorBoxText(QString::fromUtf8(e.what())));
  }
}

}  // namespace velmora::cli
