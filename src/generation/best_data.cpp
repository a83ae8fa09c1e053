// What 推荐模式 knows of characters and pairs: see best_data.h.
#include "generation/best_data.h"

#include "calendar/vocabulary.h"
#include "generation/idiom_list.h"
#include "refdb/connection_text.h"
#include "refdb/query.h"

#include <map>
#include <mutex>

namespace velmora {

namespace {

std::optional<calendar::Element> ElementOfText(const QString& text) {
  const QString t = text.trimmed();
  for (int i = 0; i < calendar::Element::kCount; ++i) {
    if (t == calendar::NameText(calendar::WuxingNames[static_cast<std::size_t>(i)])) return calendar::Element::FromIndex(i);
  }
  return std::nullopt;
}

// Runs sql on its own connection to Pelvano.dll and hands each row to row; a missing table
// or file reads nothing.
template <typename Row>
void ReadRows(const QString& folder, const QString& sql, Row&& row) {
  try {
    Query q(DbConnectionText(DbFile::PelvanoMain, folder));
    q.SetSql(sql);
    q.Open();
    for (q.First(); !q.Eof(); q.Next()) row(q);
  } catch (const std::exception&) {
    // the table stays empty
  }
}

}  // namespace

std::shared_ptr<const BestData> BestData::For(const QString& folder) {
  static std::mutex mutex;
  static std::map<QString, std::shared_ptr<const BestData>> loaded;
  const std::lock_guard<std::mutex> lock(mutex);
  auto& data = loaded[folder];
  if (!data) data = std::make_shared<const BestData>(folder);
  return data;
}

BestData::BestData(const QString& folder) {
  ReadRows(folder,
           QStringLiteral("select zi, bh, px, id, nan, nv, xb, wuhang, wuhang_alt, Left(ft,1) as ft, pinyin from word "
                          "where Aflag is null order by px"),
           [this](const Query& q) {
             const QString zi = q.AsText(u"zi");
             if (zi.size() != 1) return;
             BestChar c;
             c.zi = zi.front();
             c.bh = static_cast<int>(q.AsInt(u"bh"));
             c.secondRank = static_cast<int>(q.AsInt(u"px"));
             c.firstRank = c.secondRank + static_cast<int>(q.AsInt(u"id"));
             c.male = q.AsInt(u"nan") == 1;
             c.female = q.AsInt(u"nv") == 1;
             const QString xb = q.AsText(u"xb").trimmed();
             c.sexed = xb == QStringLiteral("男") || xb == QStringLiteral("女");
             c.wuhang = q.AsText(u"wuhang").trimmed();
             c.element = ElementOfText(c.wuhang);
             c.alt = ElementOfText(q.AsText(u"wuhang_alt"));
             c.ft = q.AsText(u"ft");
             c.pinyin = q.AsText(u"pinyin");
             AddChar(c);
           });
  ReadRows(folder, QStringLiteral("select zi, yy, dy, sd from zy"), [this](const Query& q) {
    const QString zi = q.AsText(u"zi");
    if (zi.size() != 1) return;
    const auto it = index_.constFind(zi.front());
    if (it == index_.cend()) return;
    BestChar& c = chars_[static_cast<std::size_t>(it.value())];
    c.meaning = q.AsText(u"yy").trimmed();
    c.reading = q.AsText(u"dy").trimmed();
    const QString tone = q.AsText(u"sd").trimmed();
    if (tone.size() == 1) c.tone = tone.front();
  });
  ReadRows(folder, QStringLiteral("select mz, xb, fg, yy from hm"), [this](const Query& q) {
    AddCurated(q.AsText(u"mz"), {q.AsText(u"xb").trimmed(), q.AsText(u"fg").trimmed(), q.AsText(u"yy").trimmed()});
  });
  ReadRows(folder, QStringLiteral("select zi1, zi2, cs, d_author, d_title, ju from mm"), [this](const Query& q) {
    poems_.insert(q.AsText(u"zi1") + q.AsText(u"zi2"), {static_cast<int>(q.AsInt(u"cs")), q.AsText(u"d_author").trimmed(),
                                                        q.AsText(u"d_title").trimmed(), q.AsText(u"ju").trimmed()});
  });
  for (const QString& idiom : IdiomEntries()) AddIdiom(idiom);
}

void BestData::AddChar(const BestChar& c) {
  index_.insert(c.zi, static_cast<int>(chars_.size()));
  chars_.push_back(c);
}

void BestData::AddCurated(const QString& pair, const CuratedPair& p) {
  curated_.insert(pair, p);
  for (QChar zi : pair) {
    const auto it = index_.constFind(zi);
    if (it == index_.cend()) continue;
    BestChar& c = chars_[static_cast<std::size_t>(it.value())];
    int& n = p.xb == QStringLiteral("男") ? c.curatedBoys : p.xb == QStringLiteral("女") ? c.curatedGirls : c.curatedBoth;
    ++n;
  }
}

void BestData::AddIdiom(const QString& idiom) {
  for (qsizetype i = 0; i + 1 < idiom.size(); ++i) {
    const QString pair = idiom.mid(i, 2);
    if (!idioms_.contains(pair)) idioms_.insert(pair, idiom);
  }
}

const BestChar* BestData::Char(QChar zi) const {
  const auto it = index_.constFind(zi);
  return it == index_.cend() ? nullptr : &chars_[static_cast<std::size_t>(it.value())];
}

const CuratedPair* BestData::Curated(const QString& pair) const {
  const auto it = curated_.constFind(pair);
  return it == curated_.cend() ? nullptr : &it.value();
}

const PoemPair* BestData::Poem(const QString& pair) const {
  const auto it = poems_.constFind(pair);
  return it == poems_.cend() ? nullptr : &it.value();
}

QString BestData::Idiom(const QString& pair) const { return idioms_.value(pair); }

}  // namespace velmora
