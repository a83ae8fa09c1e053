// The poetry panel RzPanel30 as a form: the library of poems in table sg of KelBirth.dll,
// browsed as a tree of dynasties and authors, an author's poems and the shown poem, with a
// quick search, and the collected text MemoYixuan that poetry and 组合 runs draw from.
//
// Every library operation opens its own queries on the KelBirth.dll connection text and
// lets them go at its end. A statement that fails stops the operation silently; what was
// filled up to then stays.
//
// Search texts reach the statements as like literals (text/sql_format.h): 50% finds "50%",
// a quote finds a quote, and no text can break a statement.
#pragma once

#include <QList>
#include <QString>

namespace velmora {

// A node of TreeViewInit or an entry of RzTreeView1.
struct PoetryNode {
  QString text;            // trimmed d_dynasty, d_author or d_title
  int number = 0;          // au_num or d_num; a dynasty node carries 0
  int imageIndex = 0;      // picture of ImageList1
  int selectedIndex = 0;   // picture when selected
  QList<PoetryNode> children;  // a dynasty's authors
};

// The node pictures of ImageList1.
enum PoetryPicture { kDynastyPicture = 0, kDynastySelected, kAuthorPicture, kAuthorSelected, kPoemPicture, kPoemSelected };

inline constexpr int kSearchBytes = 20;  // EditTiaojian holds at most 20 bytes

// The statements, filled. An empty filter gives the form without a filter.
QString DynastyStatement(const QString& filter);
QString AuthorStatement(int cdNum, const QString& filter);
QString PoemListStatement(int auNum, const QString& filter);
QString PoemStatement(int dNum);

class PoetryPanel {
 public:
  // folder: where KelBirth.dll lies, with its trailing separator.
  explicit PoetryPanel(QString folder);

  // ---- RzPageControl4 ----
  int pageIndex = 0;                 // 0 = RzTabSheet3 "诗词列表", 1 = RzTabSheet4
  bool RzTabSheet3Visible = true;
  QString RzTabSheet4Caption;

  // ---- RzTabSheet3 ----
  QList<PoetryNode> TreeViewInit;    // dynasty nodes with their authors
  int selectedDynasty = -1;          // TreeViewInit's selected node: a dynasty, or
  int selectedAuthor = -1;           // an author of that dynasty; -1 when none
  QList<PoetryNode> RzTreeView1;     // poems of the clicked node, sorted by title text
  int RzTreeView1Index = -1;
  QString MemoSgnr;
  QString EditTiaojian;

  // ---- RzTabSheet4 ----
  QString MemoYixuan;

  // Refills counted, so that a view redraws a list of thousands only when it changed.
  int treeVersion = 0;
  int poemsVersion = 0;

  // ---- handlers ----
  void FillPoetryTree(const QString& filter);
  void RzBitBtn41Click();    // 查找
  void RzBitBtn42Click();    // 显示所有
  void TreeViewInitClick();
  void RzTreeView1Click();
  void RzBitBtn40Click();    // 添加到已选
  void RzBitBtn39Click();    // 清空已选

  // The panel's part of the mode switch.
  void SetUpPoetryMode();    // 诗词模式
  void SetUpZuheMode();      // 组合模式

  // The selected node of TreeViewInit, or nullptr.
  const PoetryNode* SelectedNode() const;

 private:
  QString connectionText_;
};

}  // namespace velmora
