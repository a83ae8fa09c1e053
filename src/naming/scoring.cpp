// scoring.cpp: grid numbers, three-talent points, the name score and the report lookups
// on the reference databases (see scoring.h).
#include "naming/scoring.h"

#include "refdb/errors.h"
#include "refdb/lookups.h"
#include "refdb/query.h"
#include "text/gbk.h"

#include <cmath>

namespace velmora::naming {
namespace {

using text::GbkLength;
using text::GbkMid;
using text::SqlQuote;

// The characters of a full name as the byte rule cuts them.
//
// Case study: a part is single when it is at most two GBK bytes, so one Chinese
// character (or an empty text) is single and its whole text is looked up. A double part
// is cut into bytes 1-2 and 3-4; a part of three or more characters, which the input
// fields do not allow, is therefore scored by its first two characters.
struct NameChars {
  QString s1, s2, g1, g2;  // s2 and g2 are empty for a single part
  bool doubleSurname = false;
  bool doubleGiven = false;
};

NameChars SplitName(const QString& surname, const QString& given) {
  NameChars n;
  n.doubleSurname = GbkLength(surname) > 2;
  n.doubleGiven = GbkLength(given) > 2;
  n.s1 = n.doubleSurname ? GbkMid(surname, 1, 2) : surname;
  n.s2 = n.doubleSurname ? GbkMid(surname, 3, 4) : QString();
  n.g1 = n.doubleGiven ? GbkMid(given, 1, 2) : given;
  n.g2 = n.doubleGiven ? GbkMid(given, 3, 4) : QString();
  return n;
}

// The grade djc of a three-talent text in table sancai; 0 when there is no row (which
// SancaiPoints maps to −1 like any other grade outside 1..7). Any failure of the
// statement or of reading its value abandons the analysis quietly.
int LookupSancaiGrade(const QString& sancai, const QString& folder) {
  try {
    Query q(DbConnectionText(DbFile::KelFile, folder));
    q.SetSql(QStringLiteral("Select djc from sancai where title = ") + SqlQuote(sancai) + QStringLiteral(" "));
    q.Open();
    const int grade = q.IsEmpty() ? 0 : static_cast<int>(q.AsInt(0));
    q.Close();
    return grade;
  } catch (const DbError&) {
    throw SilentStop();
  }
}

}  // namespace

int GridNumber(const QString& surname, const QString& given, GridKind kind, const QString& folder) {
  const NameChars n = SplitName(surname, given);
  // Both parts single: heaven and earth each carry the virtual stroke 1 and the person
  // grid takes both real characters, so the outer grid is 2 whatever the strokes.
  if (kind == GridKind::Waige && !n.doubleSurname && !n.doubleGiven) return 2;

  // Look up only the characters this grid reads.
  const bool surnameFirst = kind != GridKind::Dige && (kind != GridKind::Renge || !n.doubleSurname);
  const bool surnameSecond = n.doubleSurname && kind != GridKind::Dige;
  const bool givenFirst = kind != GridKind::Tiange;
  const bool givenSecond = n.doubleGiven && (kind == GridKind::Dige || kind == GridKind::Zongge ||
                                             kind == GridKind::Waige);
  NameStrokes s;
  s.doubleSurname = n.doubleSurname;
  s.doubleGiven = n.doubleGiven;
  if (surnameFirst) s.s1 = LookupStrokes(n.s1, folder);
  if (surnameSecond) s.s2 = LookupStrokes(n.s2, folder);
  if (givenFirst) s.g1 = LookupStrokes(n.g1, folder);
  if (givenSecond) s.g2 = LookupStrokes(n.g2, folder);
  return GridNumberFromStrokes(s, kind);
}

Wuge ComputeWuge(const QString& surname, const QString& given, const QString& folder) {
  Wuge w;
  w.tiange = GridNumber(surname, given, GridKind::Tiange, folder);
  w.dige = GridNumber(surname, given, GridKind::Dige, folder);
  w.renge = GridNumber(surname, given, GridKind::Renge, folder);
  w.zongge = GridNumber(surname, given, GridKind::Zongge, folder);
  w.waige = GridNumber(surname, given, GridKind::Waige, folder);
  return w;
}

double SancaiScore(const QString& sancai, const QString& folder) {
  return SancaiPoints(LookupSancaiGrade(sancai, folder));
}

double NameScore(const QString& surname, const QString& given, const QString& folder) {
  const NameChars n = SplitName(surname, given);
  // A stored combination wins over the model, even where the two disagree.
  const int z = LookupZhScore(n.s1, n.s2, n.g1, n.g2, folder);
  if (z != 0) return z;
  // Otherwise the model's score on the same plan scale as zh (best 80).
  const Wuge w = ComputeWuge(surname, given, folder);
  return ComputedPlanScore(w, LookupSancaiGrade(SancaiOf(w), folder));
}

QString ScoreVerdict(double score) {
  if (score >= 90) {
    return QStringLiteral(
        "【总评及建议】:你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。");
  }
  if (score >= 80) {
    return QStringLiteral("【总评及建议】:你的名字起得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！");
  }
  if (score >= 70) {
    return QStringLiteral(
        "【总评及建议】:你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不可。");
  }
  if (score >= 60) {
    return QStringLiteral(
        "【总评及建议】:你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。");
  }
  return QStringLiteral("【总评及建议】:你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。");
}

QString ScoreText(double score) {
  // Scores are multiples of 0.5, so one decimal digit always suffices; rounding to
  // tenths first keeps any other value from printing as "85.0".
  const double tenths = std::round(score * 10.0);
  const auto whole = static_cast<long long>(tenths);
  if (whole % 10 == 0) return QString::number(whole / 10);
  return QString::number(tenths / 10.0, 'f', 1);
}

QString Lookup81(int n, QStringView column, const QString& folder) {
  try {
    Query q(DbConnectionText(DbFile::KelFile, folder));
    q.SetSql(QStringLiteral("Select * from 81 where num = %1").arg(n));
    q.Open();
    const QString v = q.IsEmpty() ? QStringLiteral(" ") : q.AsText(column);
    q.Close();
    return v;
  } catch (const DbError&) {
    throw SilentStop();
  }
}

std::optional<SancaiTexts> LookupSancaiTexts(const QString& sancai, const QString& folder) {
  Query q(DbConnectionText(DbFile::KelFile, folder));
  q.SetSql(QStringLiteral("Select top 1 * from sancai2009 where title = ") + SqlQuote(sancai));
  q.Open();
  if (q.IsEmpty()) return std::nullopt;
  auto field = [&](const char16_t* name) { return text::Trim(q.AsText(QStringView(name))); };
  SancaiTexts t{field(u"yy"),  field(u"jcy"),  field(u"jx1"), field(u"cgy"),
                field(u"jx2"), field(u"rjgx"), field(u"jx3"), field(u"xg")};
  q.Close();
  return t;
}

}  // namespace velmora::naming
