#include "refdb/query.h"

#include "refdb/errors.h"
#include "refdb/jet_translate.h"
#include "refdb/sqlite_emitter.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTimeZone>

#include <sqlite3.h>

#include <cmath>
#include <cstdint>

namespace velmora {

Query::Query(Connection& connection) : connection_(connection) {}

Query::Query(const QString& connectionText)
    : owned_(std::make_unique<Connection>(connectionText)), connection_(*owned_) {}

Query::~Query() = default;

void Query::SetSql(const QString& sql) {
  Close();
  sql_ = sql;
}

void Query::AddSqlLine(const QString& line) {
  Close();
  if (!sql_.isEmpty()) sql_ += QLatin1Char('\n');
  sql_ += line;
}

void Query::Close() {
  active_ = false;
  eof_ = true;
  rowCount_ = 0;
  current_ = 0;
  names_.clear();
  // The buffers keep their capacity: a query object is reused for statement after
  // statement, and giving large blocks back only to fault them in again is slow.
  cells_.clear();
  arena_.clear();
}

void Query::Open() {
  Close();
  const QByteArray sqlite =
      TranslateJet(sql_, [this](const QString& table, const QString& column) {
        return connection_.ColumnTypeOf(table, column);
      }).toUtf8();
  sqlite3* db = connection_.Handle();
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sqlite.constData(), static_cast<int>(sqlite.size()), &stmt, nullptr) != SQLITE_OK) {
    const QString why = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(stmt);
    throw DbError(QStringLiteral("数据库错误：%1").arg(why));
  }
  if (!stmt) throw DbError(QStringLiteral("SQL 语句有误：语句为空"));
  // The rank that keeps ties under TOP is not a column of the result.
  int columns = sqlite3_column_count(stmt);
  QStringList names;
  for (int c = 0; c < columns; ++c) names << QString::fromUtf8(sqlite3_column_name(stmt, c));
  while (!names.isEmpty() && names.back() == QLatin1String(jet::kRankColumn)) names.removeLast();
  const int visible = static_cast<int>(names.size());

  std::vector<Cell> cells = std::move(cells_);
  std::string arena = std::move(arena_);
  cells.clear();
  arena.clear();
  int rows = 0;
  for (;;) {
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) {
      const QString why = QString::fromUtf8(sqlite3_errmsg(db));
      sqlite3_finalize(stmt);
      cells_ = std::move(cells);
      arena_ = std::move(arena);
      cells_.clear();
      arena_.clear();
      throw DbError(QStringLiteral("数据库错误：%1").arg(why));
    }
    for (int c = 0; c < visible; ++c) {
      Cell cell;
      cell.i = 0;
      cell.type = sqlite3_column_type(stmt, c);
      switch (cell.type) {
        case SQLITE_INTEGER: cell.i = sqlite3_column_int64(stmt, c); break;
        case SQLITE_FLOAT: cell.d = sqlite3_column_double(stmt, c); break;
        case SQLITE_NULL: break;
        default: {
          const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
          const int bytes = sqlite3_column_bytes(stmt, c);
          if (arena.size() + static_cast<std::size_t>(bytes) > UINT32_MAX) {
            sqlite3_finalize(stmt);
            throw DbError(QStringLiteral("查询结果过大"));
          }
          cell.type = SQLITE_TEXT;
          cell.text.offset = static_cast<std::uint32_t>(arena.size());
          cell.text.length = static_cast<std::uint32_t>(bytes);
          if (text) arena.append(text, static_cast<std::size_t>(bytes));
        }
      }
      cells.push_back(cell);
    }
    ++rows;
  }
  sqlite3_finalize(stmt);
  names_ = std::move(names);
  cells_ = std::move(cells);
  arena_ = std::move(arena);
  rowCount_ = rows;
  current_ = 0;
  eof_ = rows == 0;
  active_ = true;
}

void Query::MoveTo(int recNo) {
  if (!active_ || rowCount_ == 0) return;
  current_ = std::clamp(recNo, 1, rowCount_) - 1;
  eof_ = false;
}

void Query::Next() {
  if (!active_ || eof_) return;
  if (current_ + 1 < rowCount_) ++current_;
  else eof_ = true;  // stays on the last record, as a dataset at its end does
}

QString Query::FieldName(int index) const {
  if (index < 0 || index >= names_.size()) throw DbError(QStringLiteral("字段序号 %1 超出范围").arg(index));
  return names_[index];
}

int Query::IndexOf(QStringView field) const {
  if (!active_) throw DbError(QStringLiteral("数据集没有打开，无法读取字段“%1”").arg(field));
  for (int i = 0; i < names_.size(); ++i) {
    if (QStringView(names_[i]).compare(field, Qt::CaseInsensitive) == 0) return i;
  }
  throw DbError(QStringLiteral("找不到字段“%1”").arg(field));
}

const Query::Cell* Query::CurrentCell(int index) const {
  if (!active_) throw DbError(QStringLiteral("数据集没有打开"));
  if (index < 0 || index >= names_.size()) throw DbError(QStringLiteral("字段序号 %1 超出范围").arg(index));
  if (rowCount_ == 0) return nullptr;
  return &cells_[static_cast<std::size_t>(current_) * names_.size() + index];
}

QString Query::TextOf(const Cell& c) const {
  return QString::fromUtf8(arena_.data() + c.text.offset, static_cast<qsizetype>(c.text.length));
}

bool Query::IsNull(int index) const {
  const Cell* c = CurrentCell(index);
  return !c || c->type == SQLITE_NULL;
}

qint64 Query::AsInt(int index) const {
  const Cell* c = CurrentCell(index);
  if (!c) return 0;
  switch (c->type) {
    case SQLITE_INTEGER: return c->i;
    case SQLITE_FLOAT:
      if (!std::isfinite(c->d) || std::fabs(c->d) > 9.2e18) throw DbError(QStringLiteral("数值超出整数范围"));
      return static_cast<qint64>(std::nearbyint(c->d));  // half to even, as a float field reads as integer
    case SQLITE_NULL: return 0;
    default: {
      const QString text = TextOf(*c).trimmed();
      if (text.isEmpty()) return 0;
      bool ok = false;
      const qint64 v = text.toLongLong(&ok);
      if (!ok) throw DbError(QStringLiteral("“%1”不是有效的整数").arg(text));
      return v;
    }
  }
}

double Query::AsDouble(int index) const {
  const Cell* c = CurrentCell(index);
  if (!c) return 0;
  switch (c->type) {
    case SQLITE_INTEGER: return static_cast<double>(c->i);
    case SQLITE_FLOAT: return c->d;
    case SQLITE_NULL: return 0;
    default: {
      const QString text = TextOf(*c).trimmed();
      if (text.isEmpty()) return 0;
      bool ok = false;
      const double v = text.toDouble(&ok);
      if (!ok) throw DbError(QStringLiteral("“%1”不是有效的数值").arg(text));
      return v;
    }
  }
}

QString Query::AsText(int index) const {
  const Cell* c = CurrentCell(index);
  if (!c) return {};
  switch (c->type) {
    case SQLITE_INTEGER: return QString::number(c->i);
    case SQLITE_FLOAT: return QString::number(c->d, 'g', 15);
    case SQLITE_NULL: return {};
    default: return TextOf(*c);
  }
}

QDateTime Query::AsDateTime(int index) const {
  const Cell* c = CurrentCell(index);
  if (!c || c->type == SQLITE_NULL) return {};
  if (c->type == SQLITE_INTEGER || c->type == SQLITE_FLOAT) {
    // An automation date: days since 1899-12-30.
    const double days = c->type == SQLITE_INTEGER ? static_cast<double>(c->i) : c->d;
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
    return epoch.addMSecs(static_cast<qint64>(std::llround(days * 86400000.0)));
  }
  const QString text = TextOf(*c).trimmed();
  if (text.isEmpty()) return {};
  static const QRegularExpression re(
      QStringLiteral("^(\\d{4})[-/.](\\d{1,2})[-/.](\\d{1,2})(?:[ T](\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?)?$"));
  const auto m = re.match(text);
  const QDate date = m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()) : QDate();
  const QTime time = m.hasMatch() ? QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt()) : QTime();
  if (!date.isValid() || !time.isValid()) throw DbError(QStringLiteral("“%1”不是有效的日期时间").arg(text));
  return QDateTime(date, time);
}

}  // namespace velmora
