// The results grid and the status strip: see results_grid.h.
#include "app/view/results_grid.h"

#include "app/view/backdrop.h"

#include <QAbstractTableModel>
#include <QHeaderView>

#include <array>
#include <utility>

namespace velmora {
namespace {

constexpr int kRowHeight = 18;
constexpr std::array<int, 9> kColumnWidths{36, 87, 94, 155, 75, 89, 100, 66, 56};
constexpr int kPinyinColumn = 3;

QString StandingNote() { return QStringLiteral("评分依据五格、三才与生辰八字，仅供参考；名字最终请与家人商量决定。"); }

}  // namespace

// The form's grid as a table: data rows 1..PageSize are the model's rows 0..PageSize-1.
class ResultsGrid::Model : public QAbstractTableModel {
 public:
  Model(FrmQiming& form, QFont pinyinFont, QObject* parent)
      : QAbstractTableModel(parent), form_(form), pinyinFont_(std::move(pinyinFont)) {}
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : std::max(0, form_.gridRowCount - 1);
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(kColumnWidths.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::FontRole && index.column() == kPinyinColumn) return pinyinFont_;
    if (role != Qt::DisplayRole || index.row() >= static_cast<int>(form_.gridRows.size())) return {};
    return form_.gridRows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return form_.gridHeader.value(section);
  }
  void Reset() {
    beginResetModel();
    endResetModel();
  }

 private:
  FrmQiming& form_;
  QFont pinyinFont_;
};

// Pinyin's third-tone marks (ǎ, ǐ, ǔ, ǚ) are blank in some CJK fonts: the pinyin column
// draws with a Latin font first.
QFont PinyinFont(const QFont& base) {
  QFont f = base;
  f.setFamilies(QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")} << base.families());
  return f;
}

ResultsGrid::ResultsGrid(FrmQiming& form, QWidget* parent)
    : QTableView(parent), form_(form), model_(new Model(form, PinyinFont(font()), this)) {
  setObjectName(QStringLiteral("RzStringGrid1"));
  setModel(model_);
  setFrameShape(QFrame::NoFrame);
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setFixedHeight(kRowHeight + 2);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  for (int i = 0; i < static_cast<int>(kColumnWidths.size()); ++i)
    setColumnWidth(i, kColumnWidths[static_cast<std::size_t>(i)]);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setWordWrap(false);

  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!refreshing_) form_.RzStringGrid1SelectCell(current.isValid() ? current.row() + 1 : 0);
          });
  connect(this, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    form_.RzStringGrid1SelectCell(index.row() + 1);
    form_.RzStringGrid1DblClick();
  });
  connect(&form_, &FrmQiming::gridChanged, this, &ResultsGrid::Refresh);
  connect(&form_, &FrmQiming::changed, this, &ResultsGrid::SyncHeader);
}

void ResultsGrid::Refresh() {
  shownRows_ = form_.gridRowCount;
  shownHeader_ = form_.gridHeader;
  refreshing_ = true;
  model_->Reset();
  scrollToTop();
  refreshing_ = false;
}

// The header texts and the row count change only in FormCreate and FormShow.
void ResultsGrid::SyncHeader() {
  if (shownRows_ != form_.gridRowCount || shownHeader_ != form_.gridHeader) Refresh();
}

StatusStrip::StatusStrip(FrmQiming& form, QWidget* parent) : QLabel(parent), form_(form) {
  setObjectName(QStringLiteral("StatusStrip"));
  setGeometry(backdrop::kStatusStrip);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, QColor(0x7a, 0x6a, 0x55));  // the backdrop's muted ink
  setPalette(p);
  connect(&form_, &FrmQiming::changed, this, &StatusStrip::Refresh);
  connect(&form_, &FrmQiming::gridChanged, this, &StatusStrip::Refresh);
  Refresh();
}

void StatusStrip::Refresh() {
  // With nothing selected the strip also reminds which characters the names avoid or want.
  const QString wishes = form_.wishes.Summary();
  const QString standing = wishes.isEmpty() ? StandingNote() : QStringLiteral("用字　") + wishes + QStringLiteral("　｜　") + StandingNote();
  const QString full = form_.StatusText.isEmpty() ? standing : form_.StatusText;
  setToolTip(form_.StatusText);
  setText(fontMetrics().elidedText(full, Qt::ElideRight, width() - 4));
}

}  // namespace velmora
