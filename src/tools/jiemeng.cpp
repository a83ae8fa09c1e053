// The 解梦 window: see jiemeng.h.
#include "tools/jiemeng.h"

#include "refdb/connection_text.h"
#include "refdb/query.h"
#include "text/gbk.h"

#include <algorithm>
#include <tuple>

namespace velmora::tools {
namespace {

const QStringList& FixedCategories() {
  static const QStringList c = {QStringLiteral("人物"), QStringLiteral("动物"), QStringLiteral("植物"),
                                QStringLiteral("物品"), QStringLiteral("活动"), QStringLiteral("自然"),
                                QStringLiteral("建筑"), QStringLiteral("身体"), QStringLiteral("其他")};
  return c;
}

// The text a person typed, without what every dream shares: 梦见, 梦到, 做梦, blanks.
QString Essence(const QString& typed) {
  QString t = text::Trim(typed);
  for (const char16_t* filler : {u"梦见", u"梦到", u"梦里", u"做梦", u"我"}) t.remove(QString::fromUtf16(filler));
  t.remove(QLatin1Char(' '));
  t.remove(QChar(0x3000));
  return t;
}

}  // namespace

DreamDictionary DreamDictionary::Load(const QString& folder) {
  Query q(DbConnectionText(DbFile::Dream, folder));
  q.SetSql(QStringLiteral("select keyword, category, aliases, reading from jm order by px"));
  q.Open();
  std::vector<DreamEntry> entries;
  for (q.First(); !q.Eof(); q.Next()) {
    QStringList aliases = q.AsText(u"aliases").split(u'、', Qt::SkipEmptyParts);
    for (QString& a : aliases) a = text::Trim(a);
    entries.push_back({q.AsText(u"keyword"), q.AsText(u"category"), aliases, q.AsText(u"reading")});
  }
  return DreamDictionary(std::move(entries));
}

QStringList DreamDictionary::Categories() const {
  QStringList out = FixedCategories();
  for (const DreamEntry& e : entries_) {
    if (!out.contains(e.category)) out << e.category;
  }
  return out;
}

std::vector<int> DreamDictionary::InCategory(const QString& category) const {
  std::vector<int> out;
  const bool all = category == QString::fromUtf16(kAllCategories);
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
    if (all || entries_[static_cast<std::size_t>(i)].category == category) out.push_back(i);
  }
  return out;
}

std::vector<int> DreamDictionary::Search(const QString& typed) const {
  const QString t = Essence(typed);
  if (t.isEmpty()) return {};
  // (rank, -length of what matched, order): lower is better.
  std::vector<std::tuple<int, int, int>> found;
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i) {
    const DreamEntry& e = entries_[static_cast<std::size_t>(i)];
    int best = 9, length = 0;
    auto consider = [&](const QString& word, bool isKeyword) {
      if (word.isEmpty()) return;
      int rank = 9;
      if (word == t) rank = isKeyword ? 0 : 1;
      else if (word.contains(t)) rank = 2;
      else if (t.contains(word)) rank = 3;
      if (rank < best || (rank == best && word.size() > length)) {
        best = rank;
        length = static_cast<int>(word.size());
      }
    };
    consider(e.keyword, true);
    for (const QString& a : e.aliases) consider(a, false);
    if (best < 9) found.emplace_back(best, -length, i);
  }
  std::sort(found.begin(), found.end());
  std::vector<int> out;
  for (const auto& f : found) out.push_back(std::get<2>(f));
  return out;
}

QString DreamReadingText(const DreamEntry& e) {
  QString s = QStringLiteral("【%1】（%2）\n\n%3").arg(e.keyword, e.category, e.reading);
  if (!e.aliases.isEmpty()) s += QStringLiteral("\n\n也作：") + e.aliases.join(u'、');
  return s;
}

TFrmJiemeng::TFrmJiemeng(Ui& ui, QString folder) : ui_(ui), folder_(std::move(folder)) {}

void TFrmJiemeng::FormShow() {
  RunHandler(ui_, [this] {
    dictionary_ = DreamDictionary::Load(folder_);
    ListCategory = QStringList{QString::fromUtf16(kAllCategories)} + dictionary_.Categories();
    ListCategoryIndex = 0;
    Show(dictionary_.InCategory(ListCategory[0]));
  });
}

void TFrmJiemeng::BtnSearchClick() {
  RunHandler(ui_, [this] {
    if (Essence(EditSearch).isEmpty()) {
      ListCategoryClick();
      return;
    }
    Show(dictionary_.Search(EditSearch));
    if (shown_.empty()) {
      LabelStatus = QStringLiteral("没有找到“%1”，可以换一个说法，或只输入梦中的主要事物，如“蛇”“掉牙”。")
                        .arg(text::Trim(EditSearch));
    }
  });
}

void TFrmJiemeng::ListCategoryClick() {
  RunHandler(ui_, [this] {
    if (ListCategoryIndex < 0 || ListCategoryIndex >= ListCategory.size()) return;
    EditSearch.clear();
    Show(dictionary_.InCategory(ListCategory[ListCategoryIndex]));
  });
}

void TFrmJiemeng::ListDreamsClick() {
  RunHandler(ui_, [this] {
    if (ListDreamsIndex < 0 || ListDreamsIndex >= static_cast<int>(shown_.size())) return;
    MemoReading = DreamReadingText(dictionary_.Entries()[static_cast<std::size_t>(shown_[ListDreamsIndex])]);
  });
}

void TFrmJiemeng::Show(std::vector<int> entries) {
  shown_ = std::move(entries);
  ListDreams.clear();
  for (int i : shown_) ListDreams << dictionary_.Entries()[static_cast<std::size_t>(i)].keyword;
  ListDreamsIndex = shown_.empty() ? -1 : 0;
  MemoReading = shown_.empty() ? QString() : DreamReadingText(dictionary_.Entries()[static_cast<std::size_t>(shown_[0])]);
  LabelStatus = QStringLiteral("共 %1 条").arg(shown_.size());
}

}  // namespace velmora::tools
