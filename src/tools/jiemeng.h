// TFrmJiemeng, the 解梦 window, as a form: a search box, the list of categories, the dreams
// of the chosen category or search, and the reading of the chosen dream.
//
// The dictionary is table jm of dream.dll (keyword, category, aliases, reading): folk
// readings of common dreams in this project's own words, shown with a line saying that they
// are for entertainment. A search matches keywords and aliases both ways, so 梦见蛇咬我
// finds 蛇咬 and 蛇; see DreamDictionary::Search.
#pragma once

#include "refdb/ui.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace velmora::tools {

inline constexpr char16_t kJiemengCaption[] = u"解梦";
inline constexpr char16_t kJiemengNote[] = u"以下为民间流传的传统说法，仅供娱乐，不作任何预测或决定的依据。";
inline constexpr char16_t kAllCategories[] = u"全部";

struct DreamEntry {
  QString keyword, category;
  QStringList aliases;
  QString reading;
};

class DreamDictionary {
 public:
  // Reads table jm of dream.dll in `folder`, in its order. Throws DbError when the file or
  // the table cannot be read.
  static DreamDictionary Load(const QString& folder);
  explicit DreamDictionary(std::vector<DreamEntry> entries) : entries_(std::move(entries)) {}

  const std::vector<DreamEntry>& Entries() const { return entries_; }
  // The categories in their fixed order (人物 动物 植物 物品 活动 自然 建筑 身体 其他), then any
  // other the data holds.
  QStringList Categories() const;
  // The entries of one category (kAllCategories: every entry), in the table's order.
  std::vector<int> InCategory(const QString& category) const;
  // The entries a typed text finds, best first: the keyword itself, then an alias, then
  // keywords and aliases that hold the text, then those the text holds (longest first, so
  // 蛇咬 before 蛇). 梦见, 梦到 and blanks are ignored. Empty for an empty text.
  std::vector<int> Search(const QString& typed) const;

 private:
  std::vector<DreamEntry> entries_;
};

// The reading pane's text for one entry.
QString DreamReadingText(const DreamEntry& entry);

class TFrmJiemeng {
 public:
  TFrmJiemeng(Ui& ui, QString folder);

  QString EditSearch;            // the search box
  QStringList ListCategory;      // 全部 and the categories
  int ListCategoryIndex = 0;
  QStringList ListDreams;        // the keywords shown
  int ListDreamsIndex = -1;
  QString MemoReading;           // the chosen dream's reading
  QString LabelStatus;           // how many were found, or what to try instead

  void FormShow();           // loads the dictionary and shows every dream
  void BtnSearchClick();     // 查找: by the search box; an empty box shows the category
  void ListCategoryClick();  // a category chosen: its dreams, the search box emptied
  void ListDreamsClick();    // a dream chosen: its reading

 private:
  void Show(std::vector<int> entries);

  Ui& ui_;
  QString folder_;
  DreamDictionary dictionary_{{}};
  std::vector<int> shown_;
};

}  // namespace velmora::tools
