// Golden rows of classic mode on the databases built beside the tests: the statements of a
// run return exactly the rows, in exactly the order, that they returned before the query
// layer was made faster. A translation that changes one name, drops a duplicate the union
// kept, or orders two names of equal px the other way round fails here.
//
// How the figures were made: this test, run on commit 74346bb (every Jet "+" through
// jet_add, the union through SQLite's temporary b-tree, table word with the indexes zi,
// ft and (bh, Aflag)), printed them; the failure message prints the same figures.
// They depend on the data as well: when sources/word.tsv or the stroke plans change on
// purpose, recompute them with a query layer that is known good, never with the one
// under test.
#include "generation/classic.h"
#include "generation/stroke_plans.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"

#include <QCryptographicHash>
#include <QDir>

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

struct GoldenRun {
  const char* what;
  const char* surname;
  bool male;
  bool twoChars;
  const char* fixed;
  bool fixedSecond;
  bool allPlans;  // else the first listed plan alone
  // Expected: the row count of each statement, "+"-joined; the first 16 hex digits of
  // SHA-256 over every row's mz (UTF-8) followed by "\n", a line "--" after each
  // statement; the first rows of the first statement.
  const char* counts;
  const char* digest;
  std::vector<const char*> firstRows;
};

const GoldenRun kRuns[] = {
    {"张 男 双字名, all plans (the benchmark's run)", "张", true, true, "", true, true,
     "32691+16289+2261", "d3fa7ac8d8d96b7b", {"张刚伟(72分)", "张刚强(72分)", "张杰勇(75分)", "张杰杰(76分)"}},
    {"张 女 双字名, all plans", "张", false, true, "", true, true,
     "13001+8472+1076", "9694f4cdb42a1cab", {"张娜敏(72分)", "张娜晨(72分)", "张玲敏(72分)", "张玲晨(72分)"}},
    {"欧阳 男 单字名, all plans: no second source", "欧阳", true, false, "", true, true,
     "345+395+202", "fe6f9d7cff8f6d32", {"欧阳文(71分)", "欧阳嘉(71分)", "欧阳可(68分)", "欧阳晓(75分)"}},
    {"张 男 双字名, the first plan alone", "张", true, true, "", true, false,
     "5893", "282d298d20d27a89", {"张清勇(75分)", "张清飞(75分)", "张清帅(75分)", "张清亮(75分)"}},
    // The fixed character's one-row source takes nan, nv and wuhang from the first row of
    // word that the engine reads: an index that covers those columns would change it.
    {"张 女 双字名, 嘉 fixed at the second place", "张", false, true, "嘉", true, true,
     "225+0", "2ee77b5f6420e811", {"张嘉娜(74分)", "张嘉玲(74分)", "张嘉涵(72分)", "张嘉兰(72分)"}},
    {"李 男 双字名, 轩 fixed at the third place, one plan", "李", true, true, "轩", false, false,
     "77", "00e0778e97bdad31", {"李雨轩(76分)", "李佳轩(76分)", "李沐轩(76分)", "李奇轩(76分)"}},
};

void PrintTo(const GoldenRun& run, std::ostream* os) { *os << run.what; }

class ClassicGolden : public ::testing::TestWithParam<GoldenRun> {
 protected:
  QString folder = QDir::toNativeSeparators(QStringLiteral(VELMORA_DB_DIR)) + QDir::separator();
  Connection connection{DbConnectionText(DbFile::PelvanoMain, folder)};
  Query adoTem{connection}, adoFenxi{connection};
};

TEST_P(ClassicGolden, SameRowsInTheSameOrder) {
  const GoldenRun& run = GetParam();
  NamingControls controls = NamingControls::Defaults();
  controls.Xing.text = U(run.surname);
  controls.CBsex.Select(run.male ? 0 : 1);
  controls.CBXingshi.Select(run.twoChars ? 0 : 1);
  if (!run.twoChars) controls.CBFeeXX.checked = false;  // as choosing 单字名 leaves it
  controls.Gudingzi.text = U(run.fixed);
  controls.CBdijizi.Select(run.fixedSecond ? 0 : 1);
  int kind = 0;
  LoadStrokePlans(controls, adoTem, controls.Xing.text, &kind);
  ClassicInputs in = ClassicInputs::From(controls);
  ASSERT_FALSE(in.plans.isEmpty());
  QStringList statements;
  if (run.allPlans) {
    QList<PlanItem> plans;
    for (const QString& item : in.plans) plans << ReadPlanItem(item, in.twoChars);
    statements = AllPlansStatements(in, plans);
  } else {
    in.selectedPlan = in.plans.front();
    statements << OnePlanStatement(in, ReadPlanItem(in.selectedPlan, in.twoChars));
  }

  QStringList counts, first;
  QCryptographicHash hash(QCryptographicHash::Sha256);
  for (const QString& sql : statements) {
    adoFenxi.SetSql(sql);
    adoFenxi.Open();
    for (int r = 1; r <= adoFenxi.RecordCount(); ++r) {
      adoFenxi.MoveTo(r);
      const QString mz = adoFenxi.AsText(u"mz");
      hash.addData(mz.toUtf8() + '\n');
      if (counts.isEmpty() && first.size() < 4) first << mz;
    }
    hash.addData("--\n");
    counts << QString::number(adoFenxi.RecordCount());
  }
  const QString digest = QString::fromLatin1(hash.result().toHex().left(16));
  const QString figures = QStringLiteral("counts \"%1\", digest \"%2\", first rows %3")
                              .arg(counts.join(QLatin1Char('+')), digest, first.join(QLatin1Char(' ')));
  EXPECT_EQ(counts.join(QLatin1Char('+')), U(run.counts)) << figures.toStdString();
  EXPECT_EQ(digest, U(run.digest)) << figures.toStdString();
  ASSERT_EQ(first.size(), static_cast<qsizetype>(run.firstRows.size())) << figures.toStdString();
  for (std::size_t i = 0; i < run.firstRows.size(); ++i) EXPECT_EQ(first[i], U(run.firstRows[i]));
}

INSTANTIATE_TEST_SUITE_P(BuiltData, ClassicGolden, ::testing::ValuesIn(kRuns),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
}  // namespace velmora
