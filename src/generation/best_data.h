// What 推荐模式 knows of the candidate characters and of attested given names, loaded once
// per process and folder from Pelvano.dll:
//   - word (the candidates, Aflag NULL): strokes, the ranks as first and as second
//     character of a given name (px + id, px), sex, element and the element on which the
//     references split (wuhang_alt), first traditional form, reading;
//   - zy: each candidate's meaning in a name, its reading there and its tone class;
//   - hm: the curated good given names, with sex, style and note, and for each character
//     how many of them hold it;
//   - mm: the pairs that stand together in a line of the poetry library, with the number of
//     poems and the first clean source;
//   - the built-in idiom list: the pairs that stand together in an idiom.
// Missing tables stay empty. After loading the data is only read, so any thread may use it.
#pragma once

#include "calendar/cycles.h"

#include <QChar>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace velmora {

struct BestChar {
  QChar zi;
  int bh = 0;
  int firstRank = 0;   // rank as the first of two given-name characters (word.px + word.id)
  int secondRank = 0;  // rank as the second, and as a one-character given name (word.px)
  bool male = false, female = false;  // nan, nv: suits boys, girls
  bool sexed = false;                 // marked for one sex only (xb 男 or 女)
  std::optional<calendar::Element> element, alt;  // wuhang, wuhang_alt
  QString wuhang, ft, pinyin;         // as the grid shows them: wuhang, Left(ft,1), pinyin
  QString meaning, reading;           // zy.yy, zy.dy
  QChar tone;                         // zy.sd: 平 or 仄; null when unknown
  // How many curated good names (hm) hold the character, by the pair's sex: today's taste,
  // and which sex it leans to.
  int curatedBoys = 0, curatedGirls = 0, curatedBoth = 0;
};

struct CuratedPair {
  QString xb;     // 男, 女 or 1
  QString style;  // modern, classic or popular
  QString note;
};

struct PoemPair {
  int poems = 0;
  QString author, title, line;
};

class BestData {
 public:
  static std::shared_ptr<const BestData> For(const QString& folder);
  explicit BestData(const QString& folder);
  BestData() = default;

  const std::vector<BestChar>& Candidates() const { return chars_; }
  const BestChar* Char(QChar zi) const;
  const CuratedPair* Curated(const QString& pair) const;
  const PoemPair* Poem(const QString& pair) const;
  // The first idiom of the built-in list in which the pair stands together, or empty.
  QString Idiom(const QString& pair) const;

  // For tests: data put together by hand.
  void AddChar(const BestChar& c);
  void AddCurated(const QString& pair, const CuratedPair& p);  // after the characters
  void AddPoem(const QString& pair, const PoemPair& p) { poems_.insert(pair, p); }
  void AddIdiom(const QString& idiom);

 private:
  std::vector<BestChar> chars_;
  QHash<QChar, int> index_;
  QHash<QString, CuratedPair> curated_;
  QHash<QString, PoemPair> poems_;
  QHash<QString, QString> idioms_;  // pair -> idiom
};

}  // namespace velmora
