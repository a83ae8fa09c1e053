#include "refdb/lookups.h"

#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "text/gbk.h"

namespace velmora {

using text::SqlQuote;

namespace {

// Runs one statement and reads its first field as an integer: 0 on an empty result or
// on any failure.
int FirstIntOrZero(Query& q, const QString& sql) {
  return OrEmpty<int>([&] {
    q.SetSql(sql);
    q.Open();
    const int v = static_cast<int>(q.AsInt(u"bh"));
    q.Close();
    return v;
  });
}

}  // namespace

int LookupStrokes(const QString& c, const QString& folder) {
  Query q(DbConnectionText(DbFile::Pelvano, folder));
  int v = FirstIntOrZero(q, QStringLiteral("select  top 1 bh from word where zi = ") + SqlQuote(c));
  if (v == 0) v = FirstIntOrZero(q, QStringLiteral("select  top 1 bh from word where ft = ") + SqlQuote(c) + QStringLiteral(" "));
  q.Close();
  return v;
}

int LookupStrokes(const QString& c) { return LookupStrokes(c, ProgramFolder()); }

int MainLookupStrokes(Query& adoTem, const QString& c) {
  auto first = [&](const QString& sql) {
    adoTem.Close();
    adoTem.SetSql(sql);
    adoTem.Open();
    return adoTem.IsEmpty() ? 0 : static_cast<int>(adoTem.AsInt(0));
  };
  int v = first(QStringLiteral("select top 1 bh from word where zi = %1").arg(SqlQuote(c)));
  if (v == 0) v = first(QStringLiteral("select top 1 bh from word where ft = %1").arg(SqlQuote(c)));
  adoTem.Close();
  return v;
}

QString MainLookupWuxing(Query& adoTem, const QString& c) {
  auto first = [&](const QString& sql) {
    adoTem.Close();
    adoTem.SetSql(sql);
    adoTem.Open();
    return adoTem.IsEmpty() ? QString() : adoTem.AsText(0);
  };
  QString v = first(QStringLiteral("select wuhang from word where zi = %1").arg(SqlQuote(c)));
  if (v.isEmpty()) v = first(QStringLiteral("select wuhang from word where ft = %1 ").arg(SqlQuote(c)));
  adoTem.Close();
  return v;
}

int LookupZhScore(const QString& c1, const QString& c2, const QString& c3, const QString& c4, const QString& folder) {
  const int s1 = LookupStrokes(c1, folder);
  const int s2 = c2.isEmpty() ? 0 : LookupStrokes(c2, folder);
  const int s3 = c3.isEmpty() ? 0 : LookupStrokes(c3, folder);
  const int s4 = c4.isEmpty() ? 0 : LookupStrokes(c4, folder);
  Query q(DbConnectionText(DbFile::Pelvano, folder));
  return OrEmpty<int>([&] {
    q.SetSql(QStringLiteral("select  top 1 zf from zh where bh11 = %1 and bh12 = %2 and bh21 = %3 and bh22 = %4 ")
                 .arg(s1)
                 .arg(s2)
                 .arg(s3)
                 .arg(s4));
    q.Open();
    const int v = static_cast<int>(q.AsInt(u"zf"));
    q.Close();
    return v;
  });
}

int LookupZhScore(const QString& c1, const QString& c2, const QString& c3, const QString& c4) {
  return LookupZhScore(c1, c2, c3, c4, ProgramFolder());
}

}  // namespace velmora
