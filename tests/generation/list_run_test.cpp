// List, idiom and 美名 runs on the databases built beside the tests: what the statements
// admit, checked against the idiom list and the poetry library themselves.
#include "generation/idiom_list.h"
#include "generation/list_run.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"
#include "text/gbk.h"
#include "text/sql_format.h"

#include <QDir>
#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class BuiltRun : public ::testing::Test {
 protected:
  QString folder = QDir::toNativeSeparators(QStringLiteral(VELMORA_DB_DIR)) + QDir::separator();
  Connection connection{DbConnectionText(DbFile::PelvanoMain, folder)};
  Query adoTem{connection}, adoFenxi{connection};
  ListRun run;

  ListInputs Zhang(bool twoChars, bool male) {
    ListInputs in;
    in.xing = U("张");
    in.twoChars = twoChars;
    in.male = male;
    in.lowest = U("70");
    in.plan = U("电脑全自动");
    return in;
  }
};

TEST_F(BuiltRun, IdiomModeAdmitsOnlyCharactersOfTheList) {
  QSet<QChar> idiomChars;
  for (QChar ch : IdiomList()) idiomChars.insert(ch);
  for (const bool twoChars : {true, false}) {
    const int total = run.Open(ListKind::Idiom, Zhang(twoChars, true), adoTem, adoFenxi, 1);
    ASSERT_GT(total, 100) << twoChars;
    for (int r = 1; r <= total; ++r) {
      adoFenxi.MoveTo(r);
      const QString given = adoFenxi.AsText(u"zi");
      ASSERT_EQ(given.size(), twoChars ? 2 : 1);
      for (QChar ch : given) ASSERT_TRUE(idiomChars.contains(ch)) << given.toStdString();
    }
  }
}

// Every 美名 pair stands, as two adjacent characters, in its line, and the line in the poem
// of that title and author in the poetry library.
TEST_F(BuiltRun, MeimingPairsStandInTheirLines) {
  const int total = run.Open(ListKind::Meiming, Zhang(true, false), adoTem, adoFenxi, 1);
  ASSERT_GT(total, 1000);
  Query sg(DbConnectionText(DbFile::KelBirth, folder));
  qint64 lastCount = 1 << 30;
  for (int r = 1; r <= total; ++r) {
    adoFenxi.MoveTo(r);
    const QString given = adoFenxi.AsText(u"zi");
    const QString line = adoFenxi.AsText(u"ju");
    ASSERT_TRUE(line.contains(given)) << given.toStdString() << " " << line.toStdString();
    ASSERT_LE(adoFenxi.AsInt(u"cs"), lastCount);  // most attested first
    lastCount = adoFenxi.AsInt(u"cs");
    ASSERT_GE(lastCount, 2);
    if (r % 400 != 1) continue;  // the library (90,000 poems) is searched for a sample
    sg.SetSql(QStringLiteral("select count(*) as n from sg where d_title = %1 and d_author = %2 and d_nr like %3")
                  .arg(text::SqlQuote(adoFenxi.AsText(u"d_title")), text::SqlQuote(adoFenxi.AsText(u"d_author")),
                       QStringLiteral("'%%1%'").arg(text::LikeLiteral(line))));  // a line may hold [ ]
    sg.Open();
    EXPECT_GE(sg.AsInt(u"n"), 1) << given.toStdString() << " " << line.toStdString();
  }
  // A pair the library holds in one poem only is not proposed; one-character names run as list mode.
  EXPECT_GT(run.Open(ListKind::Meiming, Zhang(false, true), adoTem, adoFenxi, 1), 0);
  EXPECT_TRUE(run.Source(adoFenxi).isEmpty());
}

// Both characters of every name suit the child's sex, in list, idiom and 美名 mode: one
// suitable character was once enough (王嫕铁 for a boy).
TEST_F(BuiltRun, BothCharactersSuitTheSex) {
  Query word(DbConnectionText(DbFile::Pelvano, folder));
  word.SetSql(U("select zi, nan, nv from word where Aflag is null"));
  word.Open();
  QHash<QChar, std::pair<qint64, qint64>> sex;
  for (word.First(); !word.Eof(); word.Next()) sex.insert(word.AsText(0).front(), {word.AsInt(1), word.AsInt(2)});
  for (const ListKind kind : {ListKind::List, ListKind::Idiom, ListKind::Meiming}) {
    for (const bool male : {true, false}) {
      const int total = run.Open(kind, Zhang(true, male), adoTem, adoFenxi, 1);
      ASSERT_GT(total, 100);
      for (int r = 1; r <= total; r += 7) {
        adoFenxi.MoveTo(r);
        for (QChar ch : adoFenxi.AsText(u"zi")) {
          ASSERT_EQ(male ? sex.value(ch).first : sex.value(ch).second, 1) << adoFenxi.AsText(u"zi").toStdString();
        }
      }
    }
  }
}

// 美名's first page: no refused name and no plain word (春风) while names remain, characters
// that vary, and a page of its own for each surname and sex.
TEST_F(BuiltRun, MeimingFirstPagesAreTheirOwn) {
  const NameFilter filter = NameFilter::ForFolder(folder);
  QMap<QString, QStringList> firsts;
  for (const char* surname : {"张", "李"}) {
    for (const bool male : {true, false}) {
      ListInputs in = Zhang(true, male);
      in.xing = U(surname);
      in.filter = filter;
      ASSERT_GT(run.Open(ListKind::Meiming, in, adoTem, adoFenxi, 1), 500);
      std::vector<GridRow> rows(500);
      QStringList sources(500), items;
      run.FillPage(adoFenxi, 500, rows, sources, [&](const QString& item, qint64) { items << item; });
      ASSERT_EQ(items.size(), 500);
      for (const GridRow& row : rows) {
        const QString given = row[1].mid(1);
        EXPECT_FALSE(filter.Checker()->Refuses(U(surname), given)) << row[1].toStdString();
        EXPECT_LT(filter.Checker()->Wordiness(given), 10) << row[1].toStdString();
      }
      firsts[QString::fromUtf8(surname) + (male ? U("男") : U("女"))] = items.mid(0, 30);
      // The characters vary: none stands more than twice among the first names.
      QHash<QChar, int> uses;
      for (const GridRow& row : std::vector<GridRow>(rows.begin(), rows.begin() + 30)) {
        for (QChar ch : QSet<QChar>(row[1].cbegin() + 1, row[1].cend())) EXPECT_LE(++uses[ch], 2) << row[1].toStdString();
      }
    }
  }
  auto givens = [&](const QString& key) {
    QSet<QString> out;
    for (const QString& item : firsts[key]) out.insert(item.mid(1).section(QLatin1Char('('), 0, 0));
    return out;
  };
  EXPECT_NE(givens(U("张男")), givens(U("李男")));
  EXPECT_FALSE(givens(U("张男")).intersects(givens(U("张女"))));
}

}  // namespace
}  // namespace velmora
