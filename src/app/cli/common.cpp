// velmora-cli's shared pieces: see common.h.
#include "app/cli/common.h"

#include "calendar/vocabulary.h"
#include "refdb/connection_text.h"
#include "text/gbk.h"

#include <QFile>
#include <QStringDecoder>

#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace velmora::cli {

int BadArguments(const QString& message, const char* usage) {
  std::fprintf(stderr, "velmora-cli: %s\n%s", message.toUtf8().constData(), usage);
  return kExitBadArguments;
}

int Refused(const QString& message) {
  std::fprintf(stderr, "velmora-cli: %s\n", message.toUtf8().constData());
  return kExitRefused;
}

void PrintLine(const QString& line) { std::printf("%s\n", line.toUtf8().constData()); }

QString ParsedArgs::Parse(const QStringList& args, const QStringList& known, const QStringList& knownFlags) {
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
      help = true;
      continue;
    }
    if (!a.startsWith(QStringLiteral("--"))) {
      positional << a;
      continue;
    }
    if (knownFlags.contains(a)) {
      flags << a;
      continue;
    }
    if (!known.contains(a)) return QStringLiteral("未知的选项 %1").arg(a);
    if (i + 1 >= args.size()) return QStringLiteral("选项 %1 缺少值").arg(a);
    options[a] = args[++i];
  }
  return QString();
}

QString ParsedArgs::Value(const QString& name, const QString& fallback) const {
  const auto it = options.find(name);
  return it == options.end() ? fallback : it->second;
}

QStringList BirthOptionNames() {
  return {QStringLiteral("--sex"), QStringLiteral("--calendar"), QStringLiteral("--date"),
          QStringLiteral("--hour"), QStringLiteral("--minute"), QStringLiteral("--data")};
}

QString DataFolder(const ParsedArgs& args) {
  if (!args.Has(QStringLiteral("--data"))) return ProgramFolder();
  const QString value = args.Value(QStringLiteral("--data"));
  return value.endsWith(QLatin1Char('/')) ? value : value + QLatin1Char('/');
}

using text::IsGbkHanzi;

QString CheckSurname(const QString& surname) {
  const QList<uint> chars = surname.toUcs4();
  if (chars.isEmpty()) return QStringLiteral("姓不能为空");
  if (chars.size() > 2 || !std::all_of(chars.cbegin(), chars.cend(), IsGbkHanzi))
    return QStringLiteral("姓“%1”不是一个或两个汉字(GBK 字符集中的汉字)").arg(surname);
  return {};
}

QString CheckOneCharacter(const QString& option, const QString& value) {
  const QList<uint> chars = value.toUcs4();
  if (chars.size() != 1 || !IsGbkHanzi(chars[0]))
    return QStringLiteral("%1 只能是一个汉字(GBK 字符集中的汉字), 而不是“%2”").arg(option, value);
  return {};
}

QString ReadBoundedUtf8(const QString& file, qsizetype maxBytes, QString* text) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("无法读取文件“%1”").arg(file);
  // One byte more than allowed tells a file that is too long, whatever its reported size
  // (a pipe or a device reports none).
  const QByteArray bytes = f.read(maxBytes + 1);
  if (bytes.size() > maxBytes)
    return QStringLiteral("文件“%1”超过 %2 KB, 不予读取").arg(file).arg(maxBytes / 1024);
  QStringDecoder decoder(QStringDecoder::Utf8);
  *text = decoder.decode(bytes);
  if (decoder.hasError()) return QStringLiteral("文件“%1”不是 UTF-8 文本").arg(file);
  if (text->startsWith(QChar(0xFEFF))) text->remove(0, 1);
  return {};
}

QString ReadBirthOptions(const ParsedArgs& args, BirthOptions& birth) {
  birth.hour = calendar::HourItemText(0);
  birth.folder = DataFolder(args);
  if (args.Has(QStringLiteral("--sex"))) {
    const QString value = args.Value(QStringLiteral("--sex"));
    if (value != QStringLiteral("男") && value != QStringLiteral("女")) return QStringLiteral("--sex 只能是 男 或 女");
    birth.sex = value;
  }
  if (args.Has(QStringLiteral("--calendar"))) {
    const QString value = args.Value(QStringLiteral("--calendar"));
    if (value == QStringLiteral("公历")) birth.calendarKind = 0;
    else if (value == QStringLiteral("农历")) birth.calendarKind = 1;
    else return QStringLiteral("--calendar 只能是 公历 或 农历");
  }
  if (args.Has(QStringLiteral("--date"))) {
    static const QRegularExpression re(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    const auto m = re.match(args.Value(QStringLiteral("--date")));
    if (!m.hasMatch()) return QStringLiteral("--date 的格式是 年-月-日, 如 1990-5-17");
    birth.year = m.captured(1);
    birth.month = m.captured(2);
    birth.day = m.captured(3);
  }
  if (args.Has(QStringLiteral("--hour"))) {
    bool ok = false;
    const int h = args.Value(QStringLiteral("--hour")).toInt(&ok);
    if (!ok || h < 0 || h > 23) return QStringLiteral("--hour 是 0 到 23 的整数");
    birth.hourNumber = h;
    birth.hour = calendar::HourItemText(h);
  }
  if (args.Has(QStringLiteral("--minute"))) birth.minute = args.Value(QStringLiteral("--minute"));
  return QString();
}

std::optional<int> ParseCommand(ParsedArgs& args, const QStringList& arguments, const QStringList& known, const char* usage,
                                const QStringList& knownFlags) {
  const QString error = args.Parse(arguments, known, knownFlags);
  if (args.help) {
    std::fputs(usage, stdout);
    return kExitOk;
  }
  if (!error.isEmpty()) return BadArguments(error, usage);
  return std::nullopt;
}

std::optional<int> ReadBirthCommand(const QStringList& arguments, const QStringList& extraOptions, const char* usage,
                                    ParsedArgs& args, BirthOptions& birth) {
  if (const auto exit = ParseCommand(args, arguments, BirthOptionNames() + extraOptions, usage)) return exit;
  if (const QString e = ReadBirthOptions(args, birth); !e.isEmpty()) return BadArguments(e, usage);
  return std::nullopt;
}

QStringList WishOptionNames() { return {QStringLiteral("--avoid"), QStringLiteral("--want")}; }

QString ReadWishOptions(const ParsedArgs& args, CharWishes* wishes) {
  return ReadCharWishes(args.Value(QStringLiteral("--avoid")), args.Value(QStringLiteral("--want")), wishes);
}

QString WishesRefused(Query& adoTem, const CharWishes& wishes, bool male, const QString& fixed) {
  if (wishes.IsEmpty()) return {};
  if (QString e = UnproposableWanted(adoTem, wishes); !e.isEmpty()) return e;
  return WishesBlockRun(adoTem, wishes, male, fixed);
}

}  // namespace velmora::cli
