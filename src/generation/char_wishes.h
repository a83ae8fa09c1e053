// 不要的字 and 想要的字: the characters a family will not have in a child's given name (a
// grandparent's name, a character it dislikes) and the characters it wants there, one of
// which every proposed name must hold. Every naming mode's names pass this test; it looks at
// the given name only, never at the surname.
//
// A parent types each as one text: any number of Chinese characters, written together or
// apart (blanks and the separators ，、,;； between them are ignored), a repeated character
// taken once.
#pragma once

#include "refdb/query.h"

#include <QString>
#include <QStringView>

namespace velmora {

struct CharWishes {
  QString avoid;  // distinct characters, in the order typed
  QString want;

  bool IsEmpty() const { return avoid.isEmpty() && want.isEmpty(); }
  // The given name may be proposed: it holds no avoided character and, when characters are
  // wanted, at least one of them.
  bool Allows(QStringView given) const;
  // "不要：涵梓　想要：雨" (either part left out when empty); empty when nothing is set.
  QString Summary() const;
  bool operator==(const CharWishes&) const = default;
};

// The most characters each text may hold.
inline constexpr int kMaxWishChars = 100;

// Reads the two texts as typed into *out. An error text when one holds something other
// than Chinese characters of the GBK set, more than kMaxWishChars characters, or a
// character that is both wanted and avoided; *out is then unchanged.
QString ReadCharWishes(const QString& avoidText, const QString& wantText, CharWishes* out);

// The wanted characters that no naming mode can propose (not among the name characters of
// table word), as an error text naming them and what to do instead; empty when there are
// none. Runs its lookups on adoTem; throws DbError.
QString UnproposableWanted(Query& adoTem, const CharWishes& wishes);

// Why a run with these wishes can give no name, as the notice says it; empty when it can.
// A fixed character (固定为, trimmed; may be empty) that is avoided, or wanted characters
// none of which suits the child's sex. Throws DbError.
QString WishesBlockRun(Query& adoTem, const CharWishes& wishes, bool male, const QString& fixed);

}  // namespace velmora
