// The poetry panel: see poetry_panel.h.
#include "generation/poetry_panel.h"

#include "refdb/connection_text.h"
#include "refdb/query.h"
#include "text/gbk.h"
#include "text/sql_format.h"

#include <QByteArray>

#include <algorithm>
#include <exception>

namespace velmora {

using text::LikeLiteral;
using text::SqlFormat;
using text::Trim;

namespace {

const QString kYixuanPoetry = QStringLiteral("已选诗词(根据诗词内容或自己输入文字自动匹配取名)");
const QString kYixuanZuhe = QStringLiteral("文字列表(自己输入文字自动匹配取名)");

// The filter four times, as the statements with a filter take it.
QStringList FourTimes(const QString& filter) {
  const QString f = LikeLiteral(filter);
  return {f, f, f, f};
}

// Opens one library statement on q; a failure is thrown to the operation, which stops.
void Run(Query& q, const QString& sql) {
  q.SetSql(sql);
  q.Open();
}

}  // namespace

QString DynastyStatement(const QString& filter) {
  if (filter.isEmpty()) {
    return QStringLiteral("Select cd_num,d_dynasty,sum(1) as cs from sg group by cd_num,d_dynasty order by cd_num asc");
  }
  return SqlFormat(u"Select cd_num,d_dynasty,sum(1) as cs from sg  where d_dynasty like '%%%s%%' or d_author like '%%%s%%' or  d_title like '%%%s%%' or d_nr like '%%%s%%'  group by cd_num,d_dynasty order by cd_num asc",
                   FourTimes(filter));
}

QString AuthorStatement(int cdNum, const QString& filter) {
  if (filter.isEmpty()) {
    return SqlFormat(u"Select au_num,d_author,sum(1) as cs from sg where cd_num = %d  group by au_num,d_author order by au_num asc ",
                     {QString::number(cdNum)});
  }
  return SqlFormat(u"Select au_num,d_author,sum(1) as cs from sg  where cd_num = %d and (d_dynasty like '%%%s%%' or d_author like '%%%s%%' or  d_title like '%%%s%%' or d_nr like '%%%s%%')  group by au_num,d_author order by au_num asc",
                   QStringList{QString::number(cdNum)} + FourTimes(filter));
}

QString PoemListStatement(int auNum, const QString& filter) {
  if (filter.isEmpty()) {
    return SqlFormat(u"Select d_num,d_title,d_author from sg where au_num = %d  order by d_num asc ", {QString::number(auNum)});
  }
  return SqlFormat(u"Select d_num,d_title,d_author from sg where  au_num = %d and (d_dynasty like '%%%s%%' or d_author like '%%%s%%' or d_title like '%%%s%%' or d_nr like '%%%s%%')  order by d_num asc ",
                   QStringList{QString::number(auNum)} + FourTimes(filter));
}

QString PoemStatement(int dNum) {
  return SqlFormat(u"Select d_num,d_title,d_author,d_nr from sg where d_num = %d  ", {QString::number(dNum)});
}

PoetryPanel::PoetryPanel(QString folder)
    : RzTabSheet4Caption(kYixuanPoetry), connectionText_(DbConnectionText(DbFile::KelBirth, folder)) {}

const PoetryNode* PoetryPanel::SelectedNode() const {
  if (selectedDynasty < 0 || selectedDynasty >= TreeViewInit.size()) return nullptr;
  const PoetryNode& dynasty = TreeViewInit[selectedDynasty];
  if (selectedAuthor < 0) return &dynasty;
  return selectedAuthor < dynasty.children.size() ? &dynasty.children[selectedAuthor] : nullptr;
}

void PoetryPanel::FillPoetryTree(const QString& filter) {
  TreeViewInit.clear();
  selectedDynasty = selectedAuthor = -1;
  ++treeVersion;
  try {
    Query dynasties(connectionText_);
    Query authors(connectionText_);
    Run(dynasties, DynastyStatement(filter));
    for (dynasties.First(); !dynasties.Eof(); dynasties.Next()) {
      TreeViewInit.append({Trim(dynasties.AsText(u"d_dynasty")), 0, kDynastyPicture, kDynastySelected, {}});
      Run(authors, AuthorStatement(static_cast<int>(dynasties.AsInt(u"cd_num")), filter));
      QList<PoetryNode>& children = TreeViewInit.back().children;
      for (authors.First(); !authors.Eof(); authors.Next()) {
        children.append({Trim(authors.AsText(u"d_author")), static_cast<int>(authors.AsInt(u"au_num")),
                         kAuthorPicture, kAuthorSelected, {}});
      }
    }
  } catch (const std::exception&) {
    return;  // silent stop: the tree filled so far stays, the poem list is left as it was
  }
  RzTreeView1.clear();
  RzTreeView1Index = -1;
  ++poemsVersion;
  MemoSgnr.clear();
}

void PoetryPanel::RzBitBtn41Click() {
  const QString filter = Trim(EditTiaojian);
  if (!filter.isEmpty()) FillPoetryTree(filter);
}

void PoetryPanel::RzBitBtn42Click() {
  EditTiaojian.clear();
  FillPoetryTree(QString());
}

void PoetryPanel::TreeViewInitClick() {
  const PoetryNode* node = SelectedNode();
  if (!node) return;
  RzTreeView1.clear();
  RzTreeView1Index = -1;
  ++poemsVersion;
  try {
    Query poems(connectionText_);
    Run(poems, PoemListStatement(node->number, Trim(EditTiaojian)));
    for (poems.First(); !poems.Eof(); poems.Next()) {
      RzTreeView1.append({Trim(poems.AsText(u"d_title")), static_cast<int>(poems.AsInt(u"d_num")), kPoemPicture, kPoemSelected, {}});
    }
  } catch (const std::exception&) {
    // silent stop; the poems listed so far stay
  }
  // The list keeps its entries sorted by title text, in the GBK order of the titles (which
  // is pinyin order for the common characters); equal titles stay in statement order.
  std::vector<std::pair<QByteArray, PoetryNode>> keyed;
  keyed.reserve(static_cast<std::size_t>(RzTreeView1.size()));
  for (PoetryNode& p : RzTreeView1) keyed.emplace_back(text::ToGb18030(p.text), std::move(p));
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  RzTreeView1.clear();
  for (auto& k : keyed) RzTreeView1.append(std::move(k.second));
  MemoSgnr.clear();
}

void PoetryPanel::RzTreeView1Click() {
  if (RzTreeView1Index < 0 || RzTreeView1Index >= RzTreeView1.size()) return;
  try {
    Query poem(connectionText_);
    Run(poem, PoemStatement(RzTreeView1[RzTreeView1Index].number));
    MemoSgnr = poem.AsText(u"d_nr");
  } catch (const std::exception&) {
    // silent stop
  }
}

void PoetryPanel::RzBitBtn40Click() {
  const QString poem = Trim(MemoSgnr);
  if (poem.isEmpty()) return;
  // MemoYixuan as the lines of a memo: a text that ends with a line break has no empty
  // last line of its own.
  QStringList lines;
  if (!MemoYixuan.isEmpty()) {
    lines = QString(MemoYixuan).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    if (lines.back().isEmpty()) lines.removeLast();
  }
  if (!Trim(MemoYixuan).isEmpty()) lines << QString();
  lines << QString(poem).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
  MemoYixuan = lines.join(QLatin1Char('\n'));
}

void PoetryPanel::RzBitBtn39Click() { MemoYixuan.clear(); }

void PoetryPanel::SetUpPoetryMode() {
  RzTabSheet3Visible = true;
  pageIndex = 0;
  RzTabSheet4Caption = kYixuanPoetry;
  RzBitBtn42Click();
  MemoYixuan.clear();
}

void PoetryPanel::SetUpZuheMode() {
  pageIndex = 1;
  RzTabSheet4Caption = kYixuanZuhe;
  RzTabSheet3Visible = false;
  MemoYixuan.clear();
}

}  // namespace velmora
