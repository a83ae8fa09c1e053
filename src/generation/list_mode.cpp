// List and idiom modes: see list_mode.h.
#include "generation/list_mode.h"

#include "generation/stroke_plans.h"
#include "text/gbk.h"

#include <initializer_list>

namespace velmora {

using text::GbkLength;
using text::GbkMid;
using text::SqlQuote;
using text::Trim;

namespace {

// The four base texts, exactly as the mode has always written them (blanks included).
// 2 bytes, 单字名
constexpr const char16_t* kOneOne =
    u"select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top %d bh21,bh22,zf,wg,sc from zh where lx = 11 and bh11 = %d and zf < 80 and zf > %d order by jxjx,zf desc)a,    word b   where a.bh21 = b.bh and b.aflag is null ";
// 2 bytes, 双字名
constexpr const char16_t* kOneTwo =
    u"select top 100000 zi1 + zi2 as zi, zi2 + zi1 as zi2, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2,   b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   (select top %d bh21,bh22,zf,wg,sc from zh where lx = 12 and bh11 = %d and zf < 80 and zf > %d order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and b.aflag is null and c.aflag is null ";
// 4 bytes, 单字名
constexpr const char16_t* kTwoOne =
    u"select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top %d bh21,bh22,zf,wg,sc from zh where lx = 21 and bh11 = %d    and bh12 = %d and zf < 80 and zf > %d order by jxjx,zf desc)a,    word b   where a.bh21 = b.bh and b.aflag is null ";
// 4 bytes, 双字名
constexpr const char16_t* kTwoTwo =
    u"select top 100000 zi1 + zi2 as zi, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2, b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   (select top %d bh21,bh22,zf,wg,sc from zh where lx = 22 and bh11 = %d    and bh12 = %d and zf < 80 and zf > %d order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   and b.aflag is null and c.aflag is null ";

// The format step: each %d, in order, receives the next value.
QString FillInts(QString text, std::initializer_list<int> values) {
  qsizetype from = 0;
  for (int v : values) {
    const qsizetype at = text.indexOf(QStringLiteral("%d"), from);
    if (at < 0) break;
    const QString n = QString::number(v);
    text.replace(at, 2, n);
    from = at + n.size();
  }
  return text;
}

SurnameChar ReadChar(Query& adoTem, const QString& c) {
  adoTem.Close();
  adoTem.SetSql(QStringLiteral("select zi, Left(ft,1) as ft, pinyin, bh, wuhang from word where zi = %1").arg(SqlQuote(c)));
  adoTem.Open();
  SurnameChar out;  // an empty result reads as 0 and empty texts
  out.bh = static_cast<int>(adoTem.AsInt(u"bh"));
  out.ft = adoTem.AsText(u"ft");
  out.wuhang = adoTem.AsText(u"wuhang");
  out.pinyin = adoTem.AsText(u"pinyin");
  adoTem.Close();
  return out;
}

}  // namespace

ListInputs ListInputs::From(const NamingControls& c) {
  ListInputs in;
  in.xing = c.Xing.text;
  in.male = c.CBsex.index != 1;
  in.twoChars = c.CBXingshi.index != 1;
  in.fixed = Trim(c.Gudingzi.text);
  in.fixedSecond = c.CBdijizi.index != 1;
  in.scoreBound = c.CBFeeXX.checked;
  in.lowest = c.ZuidiFee.text;
  in.plan = Trim(c.CBCode.text);
  return in;
}

QString ListInputs::Surname() const { return Trim(xing); }

int ScoreFloorOf(bool scoreBound, const QString& lowest) {
  return scoreBound ? StrToInt(Trim(lowest)) - 1 : 60;
}

int TopPlansOf(bool twoChars, const QString& fixed) { return !twoChars || !fixed.isEmpty() ? 500 : 50; }

int RetryLimitOf(int totalFound) {
  if (totalFound > 50000) return 2;
  if (totalFound > 10000) return 3;
  return 5;
}

SurnameInfo ReadSurnameInfo(Query& adoTem, const ListInputs& in) {
  SurnameInfo s;
  s.first = ReadChar(adoTem, GbkMid(in.Surname(), 1, 2));
  if (GbkLength(in.xing) == 4) s.second = ReadChar(adoTem, GbkMid(in.Surname(), 3, 4));
  return s;
}

QString ListSexPiece(bool twoChars, bool male, const QString& fixed, bool fixedFirst) {
  // One suitable character of two was once enough, which gave boys 王嫕铁 and girls 张喆姮.
  if (twoChars) {
    const QString column = male ? QStringLiteral("nan") : QStringLiteral("nv");
    if (!fixed.isEmpty()) return QStringLiteral(" and (%1.%2 = 1) ").arg(QChar(fixedFirst ? u'c' : u'b')).arg(column);
    return QStringLiteral(" and (b.%1 + c.%1 > 1) ").arg(column);
  }
  return male ? QStringLiteral(" and (b.xb = '男' or b.nan = 1 or b.xb = '0' or b.xb = '1') ")
              : QStringLiteral(" and (b.xb = '女' or b.nv = 1 or b.xb = '0' or b.xb = '1') ");
}

QString ListStatement(const ListInputs& in, const SurnameInfo& s, int topPlans, int scoreFloor, int b, int c,
                      const QString* idiomText) {
  const int bytes = GbkLength(in.xing);
  QString sql;
  if (bytes == 2) {
    sql = FillInts(QString::fromUtf16(in.twoChars ? kOneTwo : kOneOne), {topPlans, s.first.bh, scoreFloor});
  } else if (bytes == 4) {
    sql = FillInts(QString::fromUtf16(in.twoChars ? kTwoTwo : kTwoOne), {topPlans, s.first.bh, s.second.bh, scoreFloor});
  } else {
    return QString();  // no statement: the run ends without a word
  }
  sql += ListSexPiece(in.twoChars, in.male, in.fixed, in.fixedSecond);
  if (in.twoChars && !in.fixed.isEmpty()) {
    sql += (in.fixedSecond ? QStringLiteral("and b.zi = %1 ") : QStringLiteral("and c.zi = %1 ")).arg(SqlQuote(in.fixed));
  }
  if (b >= 1) sql += QStringLiteral("and b.bh = %1").arg(b);
  if (in.twoChars && c > 0) sql += QStringLiteral("and c.bh = %1").arg(c);
  if (idiomText) {
    const QString literal = SqlQuote(*idiomText);
    sql += QStringLiteral("and ") + literal + QStringLiteral(" Like '%'+ b.zi+ '%'");
    if (in.twoChars) sql += QStringLiteral("and ") + literal + QStringLiteral(" Like '%'+ c.zi+ '%'");
  }
  return sql + QStringLiteral(")d ");
}

QString ListItemText(const QString& surname, const QString& given, qint64 zf, bool fen) {
  return surname + given + QLatin1Char('(') + QString::number(zf) + (fen ? QStringLiteral("分)") : QStringLiteral(")"));
}

}  // namespace velmora
