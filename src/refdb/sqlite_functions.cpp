// Jet functions on SQLite: see sqlite_functions.h.
#include "refdb/sqlite_functions.h"

#include "refdb/jet_like.h"
#include "refdb/jet_values.h"

#include <QChar>
#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QString>
#include <QTime>
#include <QTimeZone>

#include <sqlite3.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::jet {
namespace {

// Byte offset of code point n (0-based) in s, or s.size().
std::size_t OffsetOfCodePoint(std::string_view s, long long n) {
  std::size_t i = 0;
  for (long long k = 0; k < n && i < s.size(); ++k) NextCodePoint(s, i);
  return i;
}
long long CodePointCount(std::string_view s) {
  long long n = 0;
  for (std::size_t i = 0; i < s.size(); ++n) NextCodePoint(s, i);
  return n;
}

// A text that reads as a number, as Jet converts it for arithmetic.
bool ParseNumber(std::string_view s, double* out) {
  const QString text = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).trimmed();
  if (text.isEmpty()) return false;
  bool ok = false;
  *out = text.toDouble(&ok);
  return ok && std::isfinite(*out);
}

// ---- arithmetic and texts ----

void JetAdd(sqlite3_context* ctx, int, sqlite3_value** argv) {
  sqlite3_value* a = argv[0];
  sqlite3_value* b = argv[1];
  if (sqlite3_value_type(a) == SQLITE_NULL || sqlite3_value_type(b) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const bool an = IsNumeric(a), bn = IsNumeric(b);
  if (!an && !bn) {
    const std::string_view x = TextOf(a), y = TextOf(b);
    std::string joined;
    joined.reserve(x.size() + y.size());
    joined.append(x).append(y);
    ResultText(ctx, joined);
    return;
  }
  if (an && bn && sqlite3_value_type(a) == SQLITE_INTEGER && sqlite3_value_type(b) == SQLITE_INTEGER) {
    const sqlite3_int64 x = sqlite3_value_int64(a), y = sqlite3_value_int64(b);
    sqlite3_int64 sum = 0;
    if (!__builtin_add_overflow(x, y, &sum)) {
      sqlite3_result_int64(ctx, sum);
      return;
    }
    sqlite3_result_double(ctx, static_cast<double>(x) + static_cast<double>(y));
    return;
  }
  double x = 0, y = 0;
  if (an) x = sqlite3_value_double(a);
  else if (!ParseNumber(TextOf(a), &x)) return ResultError(ctx, "类型不匹配：文字与数字相加");
  if (bn) y = sqlite3_value_double(b);
  else if (!ParseNumber(TextOf(b), &y)) return ResultError(ctx, "类型不匹配：文字与数字相加");
  const double sum = x + y;
  if (sum == std::floor(sum) && std::fabs(sum) < 9e15) sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(sum));
  else sqlite3_result_double(ctx, sum);
}

void JetConcat(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL && sqlite3_value_type(argv[1]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  std::string joined(TextOf(argv[0]));
  joined.append(TextOf(argv[1]));
  ResultText(ctx, joined);
}

// a + b + c + … of texts: NULL when any is NULL, as a chain of jet_add (or ||) gives, in
// one allocation. SQLite takes the buffer.
void JetCat(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  constexpr int kInline = 8;  // the program's chains are shorter
  std::string_view inlineParts[kInline];
  std::vector<std::string_view> moreParts(argc > kInline ? static_cast<std::size_t>(argc) : 0);
  std::string_view* parts = argc > kInline ? moreParts.data() : inlineParts;
  sqlite3_uint64 bytes = 0;
  for (int i = 0; i < argc; ++i) {
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    parts[i] = TextOf(argv[i]);
    bytes += parts[i].size();
  }
  char* out = static_cast<char*>(sqlite3_malloc64(bytes + 1));
  if (!out) return sqlite3_result_error_nomem(ctx);
  char* at = out;
  for (int i = 0; i < argc; ++i) {
    if (!parts[i].empty()) std::memcpy(at, parts[i].data(), parts[i].size());
    at += parts[i].size();
  }
  *at = '\0';
  sqlite3_result_text64(ctx, out, bytes, sqlite3_free, SQLITE_UTF8);
}

bool CountArg(sqlite3_context* ctx, sqlite3_value* v, long long* out) {
  if (sqlite3_value_type(v) == SQLITE_NULL) {
    ResultError(ctx, "参数无效：使用了空值");
    return false;
  }
  *out = sqlite3_value_int64(v);
  if (*out < 0) {
    ResultError(ctx, "参数无效：长度为负数");
    return false;
  }
  return true;
}

void JetLeft(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long long n = 0;
  if (!CountArg(ctx, argv[1], &n)) return;
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const std::string_view s = TextOf(argv[0]);
  ResultText(ctx, s.substr(0, OffsetOfCodePoint(s, n)));
}

void JetRight(sqlite3_context* ctx, int, sqlite3_value** argv) {
  long long n = 0;
  if (!CountArg(ctx, argv[1], &n)) return;
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const std::string_view s = TextOf(argv[0]);
  const long long total = CodePointCount(s);
  ResultText(ctx, s.substr(OffsetOfCodePoint(s, std::max(0LL, total - n))));
}

void JetMid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long long start = 0, len = std::numeric_limits<long long>::max();
  if (!CountArg(ctx, argv[1], &start)) return;
  if (start < 1) return ResultError(ctx, "参数无效：起始位置小于 1");
  if (argc == 3 && !CountArg(ctx, argv[2], &len)) return;
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const std::string_view s = TextOf(argv[0]);
  const std::size_t from = OffsetOfCodePoint(s, start - 1);
  const std::string_view rest = s.substr(from);
  ResultText(ctx, rest.substr(0, OffsetOfCodePoint(rest, len)));
}

void JetLen(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  sqlite3_result_int64(ctx, CodePointCount(TextOf(argv[0])));
}

void TrimImpl(sqlite3_context* ctx, sqlite3_value* v, bool left, bool right) {
  if (sqlite3_value_type(v) == SQLITE_NULL) return sqlite3_result_null(ctx);
  std::string_view s = TextOf(v);
  while (left && !s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (right && !s.empty() && s.back() == ' ') s.remove_suffix(1);
  ResultText(ctx, s);
}
void JetTrim(sqlite3_context* ctx, int, sqlite3_value** argv) { TrimImpl(ctx, argv[0], true, true); }
void JetLTrim(sqlite3_context* ctx, int, sqlite3_value** argv) { TrimImpl(ctx, argv[0], true, false); }
void JetRTrim(sqlite3_context* ctx, int, sqlite3_value** argv) { TrimImpl(ctx, argv[0], false, true); }

void JetNz(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) != SQLITE_NULL) return sqlite3_result_value(ctx, argv[0]);
  if (argc == 2) return sqlite3_result_value(ctx, argv[1]);
  ResultText(ctx, "");
}

void JetCStr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return ResultError(ctx, "参数无效：使用了空值");
  ResultText(ctx, TextOf(argv[0]));
}

void JetVal(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return ResultError(ctx, "参数无效：使用了空值");
  if (IsNumeric(argv[0])) return sqlite3_result_value(ctx, argv[0]);
  // Val reads the longest leading number and ignores the rest.
  const std::string s(TextOf(argv[0]));
  char* end = nullptr;
  const double d = std::strtod(s.c_str(), &end);
  if (end == s.c_str() || !std::isfinite(d)) return sqlite3_result_int(ctx, 0);
  if (d == std::floor(d) && std::fabs(d) < 9e15) sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(d));
  else sqlite3_result_double(ctx, d);
}

void JetInstr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  long long start = 1;
  int first = 0;
  if (argc == 3) {
    if (!CountArg(ctx, argv[0], &start)) return;
    if (start < 1) return ResultError(ctx, "参数无效：起始位置小于 1");
    first = 1;
  }
  if (sqlite3_value_type(argv[first]) == SQLITE_NULL || sqlite3_value_type(argv[first + 1]) == SQLITE_NULL) {
    return sqlite3_result_null(ctx);
  }
  const auto hay = CodePoints(TextOf(argv[first]));
  const auto needle = CodePoints(TextOf(argv[first + 1]));
  if (start > static_cast<long long>(hay.size()) + 1) return sqlite3_result_int(ctx, 0);
  if (needle.empty()) return sqlite3_result_int64(ctx, start);
  for (std::size_t p = static_cast<std::size_t>(start - 1); p + needle.size() <= hay.size(); ++p) {
    bool same = true;
    for (std::size_t k = 0; k < needle.size() && same; ++k) same = Fold(hay[p + k]) == Fold(needle[k]);
    if (same) return sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(p + 1));
  }
  sqlite3_result_int(ctx, 0);
}

double ToDouble(sqlite3_value* v) { return sqlite3_value_double(v); }

void JetIntDiv(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  // Jet rounds both operands to integers (half to even) before dividing.
  const double a = std::nearbyint(ToDouble(argv[0])), b = std::nearbyint(ToDouble(argv[1]));
  if (b == 0) return ResultError(ctx, "除数为零");
  sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(std::trunc(a / b)));
}

void JetMod(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const double a = std::nearbyint(ToDouble(argv[0])), b = std::nearbyint(ToDouble(argv[1]));
  if (b == 0) return ResultError(ctx, "除数为零");
  sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(std::fmod(a, b)));
}

void JetPow(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const double r = std::pow(ToDouble(argv[0]), ToDouble(argv[1]));
  if (!std::isfinite(r)) return ResultError(ctx, "数值溢出");
  sqlite3_result_double(ctx, r);
}

// ---- dates ----

// A date-time from a stored text ("2000-02-04 20:40:24", "2000/2/4", …) or from an
// automation date number (days since 1899-12-30), as Jet stores dates.
bool ToDateTime(sqlite3_value* v, QDateTime* out) {
  if (IsNumeric(v)) {
    const double days = sqlite3_value_double(v);
    if (!std::isfinite(days) || std::fabs(days) > 3e6) return false;
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    *out = epoch.addMSecs(static_cast<qint64>(std::llround(days * 86400000.0)));
    return true;
  }
  static const QRegularExpression re(
      QStringLiteral("^\\s*(\\d{4})[-/.](\\d{1,2})[-/.](\\d{1,2})(?:[ T](\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?)?\\s*$"));
  const std::string_view s = TextOf(v);
  const auto m = re.match(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
  if (!m.hasMatch()) return false;
  const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
  const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
  if (!date.isValid() || !time.isValid()) return false;
  *out = QDateTime(date, time, Qt::UTC);
  return true;
}

QString Pad(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0')); }

QString FormatDate(const QDateTime& dt, const QString& format) {
  QString out;
  const QString f = format.toLower();
  bool afterHour = false;  // "m" right after an hour means minutes
  for (qsizetype i = 0; i < f.size();) {
    auto run = [&](QChar c) {
      qsizetype n = 0;
      while (i + n < f.size() && f[i + n] == c) ++n;
      return n;
    };
    const QChar c = f[i];
    if (c == QLatin1Char('"')) {
      const qsizetype end = f.indexOf(QLatin1Char('"'), i + 1);
      const qsizetype stop = end < 0 ? f.size() : end;
      out += format.mid(i + 1, stop - i - 1);
      i = stop + 1;
      continue;
    }
    if (c == QLatin1Char('\\') && i + 1 < f.size()) {
      out += format[i + 1];
      i += 2;
      continue;
    }
    const qsizetype n = run(c);
    if (c == QLatin1Char('y')) {
      out += n >= 3 ? Pad(dt.date().year(), 4) : Pad(dt.date().year() % 100, 2);
      afterHour = false;
    } else if (c == QLatin1Char('m')) {
      if (afterHour && n <= 2) out += Pad(dt.time().minute(), n == 2 ? 2 : 1);
      else out += Pad(dt.date().month(), n >= 2 ? 2 : 1);
      afterHour = false;
    } else if (c == QLatin1Char('d')) {
      out += Pad(dt.date().day(), n >= 2 ? 2 : 1);
      afterHour = false;
    } else if (c == QLatin1Char('h')) {
      out += Pad(dt.time().hour(), n >= 2 ? 2 : 1);
      afterHour = true;
    } else if (c == QLatin1Char('n')) {
      out += Pad(dt.time().minute(), n >= 2 ? 2 : 1);
      afterHour = false;
    } else if (c == QLatin1Char('s')) {
      out += Pad(dt.time().second(), n >= 2 ? 2 : 1);
      afterHour = false;
    } else {
      out += format.mid(i, n);  // separators keep "m" after an hour a minute
    }
    i += n;
  }
  return out;
}

// Numbers by a pattern of 0, # and one decimal point ("0.00", "#,##0.0").
bool FormatNumber(double value, const QString& format, QString* out) {
  static const QRegularExpression re(QStringLiteral("^[0#,]*(?:\\.([0#]+))?$"));
  const auto m = re.match(format);
  if (!m.hasMatch() || format.isEmpty()) return false;
  const int decimals = static_cast<int>(m.captured(1).size());
  *out = QString::number(value, 'f', decimals);
  if (format.contains(QLatin1Char(','))) {
    const qsizetype dot = out->indexOf(QLatin1Char('.'));
    qsizetype end = dot < 0 ? out->size() : dot;
    const qsizetype begin = out->startsWith(QLatin1Char('-')) ? 1 : 0;
    for (qsizetype p = end - 3; p > begin; p -= 3) out->insert(p, QLatin1Char(','));
  }
  return true;
}

void JetFormat(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  const std::string_view fs = argc == 2 ? TextOf(argv[1]) : std::string_view();
  const QString format = QString::fromUtf8(fs.data(), static_cast<qsizetype>(fs.size()));
  QString out;
  QDateTime dt;
  if (IsNumeric(argv[0]) && FormatNumber(sqlite3_value_double(argv[0]), format, &out)) {
    // a number by a number pattern
  } else if ((!IsNumeric(argv[0]) || format.contains(QLatin1Char('y'), Qt::CaseInsensitive) ||
              format.contains(QLatin1Char('d'), Qt::CaseInsensitive)) && ToDateTime(argv[0], &dt)) {
    out = FormatDate(dt, format.isEmpty() ? QStringLiteral("yyyy-mm-dd hh:nn:ss") : format);
  } else {
    const std::string_view s = TextOf(argv[0]);
    out = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  }
  const QByteArray utf8 = out.toUtf8();
  ResultText(ctx, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

void JetDate(sqlite3_context* ctx, int, sqlite3_value** argv) {
  QDateTime dt;
  if (!ToDateTime(argv[0], &dt)) {
    // Jet also reads US dates, m/d/yyyy.
    static const QRegularExpression us(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const std::string_view s = TextOf(argv[0]);
    const auto m = us.match(QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
    const QDate d = m.hasMatch() ? QDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt()) : QDate();
    if (!d.isValid()) return ResultError(ctx, "日期格式无效");
    dt = QDateTime(d, QTime(0, 0), Qt::UTC);
  }
  const QString text = dt.time() == QTime(0, 0) ? dt.toString(QStringLiteral("yyyy-MM-dd"))
                                                : dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  const QByteArray utf8 = text.toUtf8();
  ResultText(ctx, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace

int RegisterJetFunctions(sqlite3* db) {
  struct Row {
    const char* name;
    int argc;
    void (*fn)(sqlite3_context*, int, sqlite3_value**);
  };
  static constexpr Row kRows[] = {
      {"jet_add", 2, JetAdd},       {"jet_cat", -1, JetCat},        {"jet_concat", 2, JetConcat},
      {"jet_left", 2, JetLeft},
      {"jet_right", 2, JetRight},   {"jet_mid", 2, JetMid},         {"jet_mid", 3, JetMid},
      {"jet_len", 1, JetLen},       {"jet_trim", 1, JetTrim},       {"jet_ltrim", 1, JetLTrim},
      {"jet_rtrim", 1, JetRTrim},   {"jet_nz", 1, JetNz},           {"jet_nz", 2, JetNz},
      {"jet_cstr", 1, JetCStr},     {"jet_val", 1, JetVal},         {"jet_instr", 2, JetInstr},
      {"jet_instr", 3, JetInstr},   {"jet_format", 1, JetFormat},   {"jet_format", 2, JetFormat},
      {"jet_date", 1, JetDate},     {"jet_intdiv", 2, JetIntDiv},   {"jet_mod", 2, JetMod},
      {"jet_pow", 2, JetPow},       {"jet_like", 2, JetLike},       {"jet_contains", 2, JetContains},
  };
  for (const Row& row : kRows) {
    const int rc = sqlite3_create_function_v2(db, row.name, row.argc, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                              row.fn, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}

}  // namespace velmora::jet
