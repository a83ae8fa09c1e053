// PoetryPanelView: see poetry_view.h.
//
// Positions. The panel fills the left pane (788 x 452). On the tab 诗词列表 the tree is
// 150 pixels wide, the poem list 188, the poem takes the rest; the search strip lies
// along the bottom of the tab.
#include "app/view/poetry_view.h"

#include "app/view/backdrop.h"
#include "app/view/gbk_validator.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

namespace velmora {
namespace {

// Wide enough, with a small indentation, for author names of up to six characters at the
// 12-pixel font (上官昭容, 太宗皇帝); longer ones show whole on hover.
constexpr int kTreeWidth = 150;
constexpr int kTreeIndent = 12;
constexpr int kPoemListWidth = 188;
constexpr int kIconSize = 16;
constexpr int kIndexRole = Qt::UserRole;       // the dynasty's index, or the poem's row
constexpr int kAuthorRole = Qt::UserRole + 1;  // the author's index; -1 on a dynasty

const QColor kInk(0x3a, 0x4a, 0x6b);
const QColor kCrimson(0xa8, 0x38, 0x3a);

// One picture of ImageList1, drawn at 16 x 16: a closed and an open book for a dynasty, a
// writing brush for an author, a scroll for a poem; the selected pictures in crimson.
QPixmap DrawNodePicture(int picture) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const bool selected = picture % 2 == 1;
  const QColor face = selected ? kCrimson : kInk;
  p.setPen(QPen(face, 1.2));
  if (picture / 2 == 0 && !selected) {  // dynasty: a closed book
    p.setBrush(face);
    p.drawRoundedRect(QRectF(3.5, 2.5, 10, 12), 1, 1);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(6, 5.5), QPointF(11, 5.5));
  } else if (picture / 2 == 0) {  // an open book
    p.setBrush(QColor(0xff, 0xf6, 0xe6));
    QPainterPath open;
    open.moveTo(8, 4);
    open.lineTo(1.5, 3);
    open.lineTo(1.5, 13);
    open.lineTo(8, 14);
    open.lineTo(14.5, 13);
    open.lineTo(14.5, 3);
    open.closeSubpath();
    p.drawPath(open);
    p.drawLine(QPointF(8, 4), QPointF(8, 14));
  } else if (picture / 2 == 1) {  // author: a writing brush
    p.setBrush(QColor(0xd9, 0xb3, 0x82));
    p.drawRect(QRectF(7, 1.5, 2, 9));
    p.setBrush(face);
    QPainterPath tip;
    tip.moveTo(6.5, 10.5);
    tip.lineTo(9.5, 10.5);
    tip.lineTo(8, 14.5);
    tip.closeSubpath();
    p.drawPath(tip);
  } else {  // poem: a scroll with lines of writing
    p.setBrush(QColor(0xff, 0xfb, 0xf0));
    p.drawRect(QRectF(3.5, 2.5, 9, 11));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(2, 1.5, 12, 2), 1, 1);
    p.drawRoundedRect(QRectF(2, 12.5, 12, 2), 1, 1);
    p.setPen(QPen(face, 1));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(6 + i * 2, 5), QPointF(6 + i * 2, 11));
  }
  p.end();
  return pixmap;
}

// A node's picture and its selected picture in one icon.
QIcon NodeIcon(int picture, int selectedPicture) {
  QIcon icon(DrawNodePicture(picture));
  icon.addPixmap(DrawNodePicture(selectedPicture), QIcon::Selected);
  return icon;
}

QTreeWidget* MakeTree(const char* name, QWidget* parent) {
  auto* tree = new QTreeWidget(parent);
  tree->setObjectName(QString::fromLatin1(name));
  tree->setHeaderHidden(true);
  tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tree->setIconSize(QSize(kIconSize, kIconSize));
  tree->setUniformRowHeights(true);
  // The selection stays visible when the tree loses the focus.
  QPalette palette = tree->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Active, QPalette::HighlightedText));
  tree->setPalette(palette);
  return tree;
}

QPushButton* MakeButton(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

PoetryPanelView::PoetryPanelView(FrmQiming& form, QWidget* parent)
    : QWidget(parent), form_(form), panel_(form.RzPanel30) {
  setObjectName(QStringLiteral("RzPanel30"));
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("RzPageControl4"));
  pages_->addTab(makeListTab(), QStringLiteral("诗词列表"));
  collected_ = new QPlainTextEdit;
  collected_->setObjectName(QStringLiteral("MemoYixuan"));
  pages_->addTab(collected_, panel_.RzTabSheet4Caption);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages_);

  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!rendering_) panel_.pageIndex = index;
  });
  connect(collected_, &QPlainTextEdit::textChanged, this, [this] {
    if (!rendering_) panel_.MemoYixuan = collected_->toPlainText();
  });
  connect(&form_, &FrmQiming::changed, this, &PoetryPanelView::render);
  render();
}

PoetryPanelView::~PoetryPanelView() { search_->removeEventFilter(this); }

QWidget* PoetryPanelView::makeListTab() {
  auto* tab = new QWidget;
  tab->setObjectName(QStringLiteral("RzTabSheet3"));
  tree_ = MakeTree("TreeViewInit", tab);
  tree_->setFixedWidth(kTreeWidth);
  tree_->setIndentation(kTreeIndent);
  poems_ = MakeTree("RzTreeView1", tab);
  poems_->setFixedWidth(kPoemListWidth);
  poems_->setRootIsDecorated(false);
  poems_->setItemsExpandable(false);
  poem_ = new QPlainTextEdit(tab);
  poem_->setObjectName(QStringLiteral("MemoSgnr"));
  poem_->setReadOnly(true);

  auto* label = new QLabel(QStringLiteral("快速查找"), tab);
  search_ = new QLineEdit(tab);
  search_->setObjectName(QStringLiteral("EditTiaojian"));
  search_->setValidator(new GbkLengthValidator(kSearchBytes, search_));
  search_->setFixedWidth(150);
  search_->installEventFilter(this);
  const std::array<std::pair<QPushButton*, void (PoetryPanel::*)()>, 4> buttons{{
      {MakeButton("RzBitBtn41", QStringLiteral("查找"), tab), &PoetryPanel::RzBitBtn41Click},
      {MakeButton("RzBitBtn42", QStringLiteral("显示所有"), tab), &PoetryPanel::RzBitBtn42Click},
      {MakeButton("RzBitBtn40", QStringLiteral("添加到已选"), tab), &PoetryPanel::RzBitBtn40Click},
      {MakeButton("RzBitBtn39", QStringLiteral("清空已选"), tab), &PoetryPanel::RzBitBtn39Click},
  }};

  auto* panes = new QHBoxLayout;
  panes->setSpacing(2);
  panes->addWidget(tree_);
  panes->addWidget(poems_);
  panes->addWidget(poem_, 1);
  auto* strip = new QHBoxLayout;
  strip->setSpacing(4);
  strip->addWidget(label);
  strip->addWidget(search_);
  for (const auto& [button, handler] : buttons) {
    strip->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, handler = handler] { click(handler); });
  }
  strip->addStretch(1);
  auto* layout = new QVBoxLayout(tab);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(3);
  layout->addLayout(panes, 1);
  layout->addLayout(strip);

  connect(search_, &QLineEdit::textEdited, this, [this](const QString& text) { panel_.EditTiaojian = text; });
  // Enter in the search box searches, as a person expects of a search box.
  connect(search_, &QLineEdit::returnPressed, this, [this] { click(&PoetryPanel::RzBitBtn41Click); });
  // Moving the selection with the keys selects without a click: the form follows, so that
  // a later render keeps what the user sees.
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    if (!current) return;
    current->setExpanded(true);  // a node expands when it is selected
    if (rendering_) return;
    panel_.selectedDynasty = current->data(0, kIndexRole).toInt();
    panel_.selectedAuthor = current->data(0, kAuthorRole).toInt();
  });
  connect(poems_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    if (current && !rendering_) panel_.RzTreeView1Index = current->data(0, kIndexRole).toInt();
  });
  connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    panel_.selectedDynasty = item->data(0, kIndexRole).toInt();
    panel_.selectedAuthor = item->data(0, kAuthorRole).toInt();
    click(&PoetryPanel::TreeViewInitClick);
  });
  connect(poems_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    panel_.RzTreeView1Index = item->data(0, kIndexRole).toInt();
    click(&PoetryPanel::RzTreeView1Click);
  });
  return tab;
}

void PoetryPanelView::click(void (PoetryPanel::*handler)()) {
  if (rendering_) return;
  form_.PoetryPanelClick(handler);  // the form's change re-renders the panel
}

bool PoetryPanelView::eventFilter(QObject* watched, QEvent* event) {
  // Leaving the search box runs the surname's exit handler, as leaving Xing does.
  if (watched == search_ && event->type() == QEvent::FocusOut && !rendering_) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
      panel_.EditTiaojian = search_->text();
      form_.XingExit();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PoetryPanelView::renderTree() {
  if (shownTree_ != panel_.treeVersion) {
    shownTree_ = panel_.treeVersion;
    tree_->clear();
    const QIcon dynastyIcon = NodeIcon(kDynastyPicture, kDynastySelected);
    const QIcon authorIcon = NodeIcon(kAuthorPicture, kAuthorSelected);
    QList<QTreeWidgetItem*> dynasties;
    for (int d = 0; d < panel_.TreeViewInit.size(); ++d) {
      const PoetryNode& node = panel_.TreeViewInit[d];
      auto* item = new QTreeWidgetItem(QStringList{node.text});
      item->setIcon(0, dynastyIcon);
      item->setData(0, kIndexRole, d);
      item->setData(0, kAuthorRole, -1);
      for (int a = 0; a < node.children.size(); ++a) {
        auto* child = new QTreeWidgetItem(item, QStringList{node.children[a].text});
        child->setToolTip(0, node.children[a].text);  // the full name where the column cuts it
        child->setIcon(0, authorIcon);
        child->setData(0, kIndexRole, d);
        child->setData(0, kAuthorRole, a);
      }
      dynasties << item;
    }
    tree_->addTopLevelItems(dynasties);
  }
  QTreeWidgetItem* want = nullptr;
  if (QTreeWidgetItem* dynasty = tree_->topLevelItem(panel_.selectedDynasty)) {
    want = panel_.selectedAuthor < 0 ? dynasty : dynasty->child(panel_.selectedAuthor);
  }
  if (tree_->currentItem() != want) tree_->setCurrentItem(want);
}

void PoetryPanelView::renderPoems() {
  if (shownPoems_ != panel_.poemsVersion) {
    shownPoems_ = panel_.poemsVersion;
    poems_->clear();
    const QIcon icon = NodeIcon(kPoemPicture, kPoemSelected);
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < panel_.RzTreeView1.size(); ++i) {
      auto* item = new QTreeWidgetItem(QStringList{panel_.RzTreeView1[i].text});
      item->setIcon(0, icon);
      item->setData(0, kIndexRole, i);
      items << item;
    }
    poems_->addTopLevelItems(items);
  }
  QTreeWidgetItem* want = poems_->topLevelItem(panel_.RzTreeView1Index);
  if (poems_->currentItem() != want) poems_->setCurrentItem(want);
}

void PoetryPanelView::render() {
  const QScopedValueRollback guard(rendering_, true);
  pages_->setTabVisible(0, panel_.RzTabSheet3Visible);
  pages_->setTabText(1, panel_.RzTabSheet4Caption);
  if (pages_->currentIndex() != panel_.pageIndex) pages_->setCurrentIndex(panel_.pageIndex);
  renderTree();
  renderPoems();
  if (poem_->toPlainText() != panel_.MemoSgnr) poem_->setPlainText(panel_.MemoSgnr);
  if (search_->text() != panel_.EditTiaojian) search_->setText(panel_.EditTiaojian);
  if (collected_->toPlainText() != panel_.MemoYixuan) collected_->setPlainText(panel_.MemoYixuan);
}

}  // namespace velmora
