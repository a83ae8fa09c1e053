// 不要的字 and 想要的字: see char_wishes.h.
#include "generation/char_wishes.h"

#include "text/gbk.h"

namespace velmora {

namespace {

bool IsSeparator(char32_t c) {
  return QChar::isSpace(c) || QStringView(u"，、,;；").contains(QChar(static_cast<char16_t>(c)));
}

// The distinct characters of one text, or an error text naming the first wrong one.
QString ReadOne(const QString& label, const QString& typed, QString* chars) {
  QString out;
  for (const char32_t c : typed.toUcs4()) {
    if (IsSeparator(c)) continue;
    const QString one = QString::fromUcs4(&c, 1);
    if (!text::IsGbkHanzi(c))
      return QStringLiteral("%1只能填汉字，“%2”不是可以取名的汉字。").arg(label, one);
    if (!out.contains(one)) out += one;
  }
  if (out.size() > kMaxWishChars) return QStringLiteral("%1最多填 %2 个字。").arg(label).arg(kMaxWishChars);
  *chars = out;
  return QString();
}

}  // namespace

bool CharWishes::Allows(QStringView given) const {
  bool wanted = want.isEmpty();
  for (const QChar c : given) {
    if (avoid.contains(c)) return false;
    wanted = wanted || want.contains(c);
  }
  return wanted;
}

QString CharWishes::Summary() const {
  QStringList parts;
  if (!avoid.isEmpty()) parts << QStringLiteral("不要：") + avoid;
  if (!want.isEmpty()) parts << QStringLiteral("想要：") + want;
  return parts.join(QStringLiteral("　"));
}

QString ReadCharWishes(const QString& avoidText, const QString& wantText, CharWishes* out) {
  CharWishes read;
  if (QString e = ReadOne(QStringLiteral("不要的字"), avoidText, &read.avoid); !e.isEmpty()) return e;
  if (QString e = ReadOne(QStringLiteral("想要的字"), wantText, &read.want); !e.isEmpty()) return e;
  QString both;
  for (const QChar c : read.want) {
    if (read.avoid.contains(c)) both += c;
  }
  if (!both.isEmpty()) return QStringLiteral("“%1”不能既是想要的字又是不要的字。").arg(both);
  *out = read;
  return QString();
}

namespace {

struct NameChar {
  bool candidate = false;
  bool forBoys = false, forGirls = false;
};

// A character as the naming modes see it: one they may propose, and for which sex.
NameChar LookUp(Query& adoTem, QChar c) {
  adoTem.Close();
  adoTem.SetSql(QStringLiteral("select nan, nv from word where zi = %1 and aflag is null").arg(text::SqlQuote(QString(c))));
  adoTem.Open();
  NameChar out;
  out.candidate = !adoTem.IsEmpty();
  out.forBoys = adoTem.AsInt(u"nan") == 1;
  out.forGirls = adoTem.AsInt(u"nv") == 1;
  adoTem.Close();
  return out;
}

}  // namespace

QString UnproposableWanted(Query& adoTem, const CharWishes& wishes) {
  QString missing;
  for (const QChar c : wishes.want) {
    if (!LookUp(adoTem, c).candidate) missing += c;
  }
  if (missing.isEmpty()) return QString();
  return QStringLiteral("“%1”不在取名用字之中，各种取名模式都不会取到它。要用这个字，请把它填进“固定为”。")
      .arg(missing);
}

QString WishesBlockRun(Query& adoTem, const CharWishes& wishes, bool male, const QString& fixed) {
  if (!fixed.isEmpty() && wishes.avoid.contains(fixed))
    return QStringLiteral("固定的字“%1”在不要的字之中，请改一改“固定为”或不要的字。").arg(fixed);
  if (wishes.want.isEmpty() || (!fixed.isEmpty() && wishes.want.contains(fixed))) return QString();
  for (const QChar c : wishes.want) {
    const NameChar n = LookUp(adoTem, c);
    if (male ? n.forBoys : n.forGirls) return QString();
  }
  return QStringLiteral("想要的字“%1”都不用于%2的名字，取不出名字。请换几个想要的字。")
      .arg(wishes.want, male ? QStringLiteral("男孩") : QStringLiteral("女孩"));
}

}  // namespace velmora
