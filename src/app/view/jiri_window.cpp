// JiriWindow: see jiri_window.h.
//
// Positions. The window is 560 x 520 pixels: the inputs in a row at y 12, a one-line note
// at y 42, the list from y 66 to 30 pixels above the bottom, the summary below it.
#include "app/view/jiri_window.h"

#include "app/view/date_field.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>

#include <algorithm>

namespace velmora {
namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 520;
constexpr int kRow = 12;
constexpr int kInputHeight = 22;
const QColor kHuangdaoInk(0xb0, 0x10, 0x10);

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y, int width) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(x, y, width, kInputHeight);
  return label;
}

}  // namespace

JiriWindow::JiriWindow(calendar::TFrmJiri& form, QWidget* parent) : QDialog(parent), form_(form) {
  setWindowTitle(QStringLiteral("吉日"));
  setFixedSize(kWidth, kHeight);

  AddLabel(this, QStringLiteral("起始日期"), 12, kRow, 52);
  date_ = new DateField(this);
  date_->setObjectName(QStringLiteral("DateEdit1"));
  date_->setDateRange(calendar::TFrmJiri::FirstDate(), calendar::TFrmJiri::LastDate());
  date_->setGeometry(66, kRow, 110, kInputHeight);
  connect(date_, &DateField::dateChanged, this, [this](QDate d) {
    act([this, d] {
      form_.DateEdit1 = d;
      form_.DateEdit1Change();
    });
  });

  AddLabel(this, QStringLiteral("天数"), 190, kRow, 28);
  days_ = new QComboBox(this);
  days_->setObjectName(QStringLiteral("CBDays"));
  days_->addItems(form_.CBDaysItems);
  days_->setGeometry(220, kRow, 70, kInputHeight);
  connect(days_, &QComboBox::currentIndexChanged, this, [this](int index) {
    act([this, index] {
      form_.CBDaysIndex = index;
      form_.CBDaysChange();
    });
  });

  huangdao_ = new QCheckBox(QStringLiteral("只显示黄道日"), this);
  huangdao_->setObjectName(QStringLiteral("CBHuangdao"));
  huangdao_->setGeometry(306, kRow, 110, kInputHeight);
  connect(huangdao_, &QCheckBox::toggled, this, [this](bool on) {
    act([this, on] {
      form_.CBHuangdao = on;
      form_.CBHuangdaoClick();
    });
  });

  auto* copy = new QPushButton(QStringLiteral("复制"), this);
  copy->setObjectName(QStringLiteral("BtnCopy"));
  copy->setGeometry(kWidth - 12 - 70, kRow - 1, 70, kInputHeight + 2);
  connect(copy, &QPushButton::clicked, this, [this] { act([this] { form_.BtnCopyClick(); }); });

  AddLabel(this, QStringLiteral("建除十二值与值神按节气月和日支推算；红字为黄道日。选中行后可按 Ctrl+C 复制。"), 12, 40,
           kWidth - 24);

  list_ = new QTableWidget(this);
  list_->setObjectName(QStringLiteral("ListView1"));
  list_->setGeometry(12, 66, kWidth - 24, kHeight - 66 - 32);
  list_->setColumnCount(static_cast<int>(calendar::TFrmJiri::Columns().size()));
  list_->setHorizontalHeaderLabels(calendar::TFrmJiri::Columns());
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(20);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  const int widths[] = {90, 60, 96, 56, 50, 60, 70};
  for (int c = 0; c < list_->columnCount(); ++c) list_->setColumnWidth(c, widths[c]);
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->installEventFilter(this);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("LabelSummary"));
  summary_->setGeometry(12, kHeight - 28, kWidth - 24, kInputHeight);
}

void JiriWindow::act(const std::function<void()>& handler) {
  if (rendering_) return;
  handler();
  render();
}

void JiriWindow::render() {
  QScopedValueRollback<bool> guard(rendering_, true);
  if (form_.DateEdit1.isValid()) date_->setDate(form_.DateEdit1);
  days_->setCurrentIndex(form_.CBDaysIndex);
  huangdao_->setChecked(form_.CBHuangdao);
  summary_->setText(form_.LabelSummary);
  list_->clearContents();
  list_->setRowCount(static_cast<int>(form_.ListView1.size()));
  for (int r = 0; r < list_->rowCount(); ++r) {
    const QStringList fields = calendar::JiriLine(form_.ListView1[static_cast<std::size_t>(r)]).split(QLatin1Char('\t'));
    const bool huangdao = form_.ListView1[static_cast<std::size_t>(r)].huangdao;
    for (int c = 0; c < fields.size() && c < list_->columnCount(); ++c) {
      auto* item = new QTableWidgetItem(fields[c]);
      if (huangdao) item->setForeground(kHuangdaoInk);
      if (huangdao && c >= 5) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
      }
      list_->setItem(r, c, item);
    }
  }
}

void JiriWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  form_.FormShow();
  render();
}

bool JiriWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    act([this, &rows] { form_.CopyRows(rows); });
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace velmora
