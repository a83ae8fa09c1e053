// The poetry panel RzPanel30, bound to the main window's form.
//
// PoetryPanelView: the page control RzPageControl4 with the tab 诗词列表 (the dynasty and
// author tree TreeViewInit, the poem list RzTreeView1, the poem MemoSgnr and the search
// strip) and the tab of the collected text MemoYixuan. Binding only: a widget event calls
// the panel's handler through the form, and every change of the form re-renders the panel.
// The tree and the poem list are redrawn only when the form has refilled them.
#pragma once

#include "app/frm_qiming.h"

#include <QLabel>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class PoetryPanelView : public QWidget {
  Q_OBJECT

 public:
  PoetryPanelView(FrmQiming& form, QWidget* parent);
  ~PoetryPanelView() override;

  void render();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* makeListTab();
  void click(void (PoetryPanel::*handler)());
  void renderTree();
  void renderPoems();

  FrmQiming& form_;
  PoetryPanel& panel_;
  bool rendering_ = false;
  int shownTree_ = -1;   // the treeVersion the tree shows
  int shownPoems_ = -1;  // the poemsVersion the poem list shows

  QTabWidget* pages_ = nullptr;         // RzPageControl4
  QTreeWidget* tree_ = nullptr;         // TreeViewInit
  QTreeWidget* poems_ = nullptr;        // RzTreeView1
  QPlainTextEdit* poem_ = nullptr;      // MemoSgnr
  QLineEdit* search_ = nullptr;         // EditTiaojian
  QPlainTextEdit* collected_ = nullptr; // MemoYixuan
};


}  // namespace velmora
