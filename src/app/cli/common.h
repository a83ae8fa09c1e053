// What every velmora-cli command shares: the exit codes, the refusal of bad arguments, a
// small option reader, and the birth options that analyze and bazi read alike.
//
// Exit codes: 0 ok, 1 refused input or failed run, 2 bad arguments. Output is UTF-8.
#pragma once

#include "generation/char_wishes.h"
#include "refdb/query.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

namespace velmora::cli {

constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitBadArguments = 2;

// Prints "velmora-cli: message" and the command's usage to stderr; returns 2.
int BadArguments(const QString& message, const char* usage);
// Prints "velmora-cli: message" to stderr; returns 1.
int Refused(const QString& message);
// Prints one line of UTF-8 text to stdout.
void PrintLine(const QString& line);

// The arguments of one command: "--name value" options, each taking one value, flags that
// take none (--explain), and the positional arguments in order. Parse returns an error text
// for an option without a value or one the command does not know; empty when all is well.
struct ParsedArgs {
  QStringList positional;
  std::map<QString, QString> options;  // "--sex" -> "男"
  QStringList flags;                   // the flags given
  bool help = false;                   // --help or -h anywhere

  QString Parse(const QStringList& args, const QStringList& known, const QStringList& knownFlags = {});
  bool Has(const QString& name) const { return options.count(name) != 0; }
  QString Value(const QString& name, const QString& fallback = QString()) const;
};

// Parses a command's arguments into args: the exit code to end with when they ask for help
// (the usage printed) or are bad (the error and the usage), nothing when the command runs.
std::optional<int> ParseCommand(ParsedArgs& args, const QStringList& arguments, const QStringList& known, const char* usage,
                                const QStringList& knownFlags = {});

// The birth data a report needs, as the main window's boxes hold it: texts, with the
// window's defaults for what is not given (男, 公历, 1980-1-1, hour item of 0, minute 0).
struct BirthOptions {
  QString sex = QStringLiteral("男");
  int calendarKind = 0;  // 0 公历, 1 农历
  QString year = QStringLiteral("1980"), month = QStringLiteral("1"), day = QStringLiteral("1");
  QString hour;          // the hour item text, as the window's hour box holds it
  int hourNumber = 0;
  QString minute = QStringLiteral("0");
  QString folder;        // the databases' folder, with its trailing separator
};

// The option names BirthOptions reads.
QStringList BirthOptionNames();
// Fills birth from --sex, --calendar, --date, --hour, --minute and --data; an error text
// for a value of the wrong form, empty when all is well.
QString ReadBirthOptions(const ParsedArgs& args, BirthOptions& birth);

// The start every birth command shares: parses arguments with the birth options and
// extraOptions, prints usage for --help, refuses what cannot be read. Returns the exit
// code when the command is done already (0 after --help, 2 for bad arguments), nothing
// when it goes on with args and birth filled.
std::optional<int> ReadBirthCommand(const QStringList& arguments, const QStringList& extraOptions, const char* usage,
                                    ParsedArgs& args, BirthOptions& birth);

// A surname as the naming commands take it: one or two Chinese characters of the
// reference data's character set (GBK), which gives every character its strokes. An error
// text naming what is wrong, empty when all is well.
QString CheckSurname(const QString& surname);
// One Chinese character of that set, for --fixed and the like: an error text, or empty.
QString CheckOneCharacter(const QString& option, const QString& value);

// Reads a text file given on the command line (UTF-8, a BOM dropped), never more than
// maxBytes: a larger file or a device that does not end is refused without reading on.
// An error text, or empty with *text filled.
QString ReadBoundedUtf8(const QString& file, qsizetype maxBytes, QString* text);

// --avoid and --want, the 用字 of the main window (不要的字, 想要的字), read into *wishes: an
// error text for a value that holds anything but Chinese characters or a character both
// avoided and wanted; empty when all is well (also when neither is given).
QStringList WishOptionNames();
QString ReadWishOptions(const ParsedArgs& args, CharWishes* wishes);
// What the main window tells before a run with these wishes, as its notice says it: a wanted
// character no mode proposes, a fixed character (trimmed, may be empty) that is avoided,
// wanted characters none of which suits the sex. Empty when the run may go.
QString WishesRefused(Query& adoTem, const CharWishes& wishes, bool male, const QString& fixed);

// The databases' folder from --data (the program's folder when absent), with its separator.
QString DataFolder(const ParsedArgs& args);

}  // namespace velmora::cli
