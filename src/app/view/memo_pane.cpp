// MemoPane: see memo_pane.h.
#include "app/view/memo_pane.h"

#include "text/gbk.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr int kMargin = 4;  // blank around the text, as a text edit's document margin

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t'; }

// The code point at index i of s and the index after it (a surrogate pair is one).
char32_t CodePointAt(const QString& s, qsizetype& i) {
  const QChar c = s[i++];
  if (c.isHighSurrogate() && i < s.size() && s[i].isLowSurrogate()) return QChar::surrogateToUcs4(c, s[i++]);
  return c.unicode();
}

}  // namespace

QFont MemoPane::PaneFont(int pixelSize) {
  QFont mono;
  mono.setFamilies({QStringLiteral("WenQuanYi Micro Hei Mono"), QStringLiteral("WenQuanYi Micro Hei")});
  mono.setPixelSize(pixelSize);
  mono.setStyleHint(QFont::TypeWriter);
  return mono;
}

MemoPane::MemoPane(QWidget* parent) : QAbstractScrollArea(parent) {
  setFont(PaneFont(12));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  UpdateMetrics();
}

void MemoPane::UpdateMetrics() {
  const QFontMetricsF m(font());
  cell_ = m.horizontalAdvance(QChar(0x5F20)) / 2;  // half of 张
  lineHeight_ = static_cast<int>(std::ceil(m.height()));
  ascent_ = m.ascent();
  raw_ = QRawFont::fromFont(font(), QFontDatabase::SimplifiedChinese);
}

void MemoPane::AppendLines(const QStringList& lines) {
  if (lines.isEmpty()) return;
  const qsizetype first = lines_.size();
  lines_.append(lines);
  for (const QString& line : lines) widestCells_ = std::max(widestCells_, text::GbkLength(line));
  UpdateScrollBars();
  // Lines below the view change nothing but the scroll range.
  if (first <= verticalScrollBar()->value() + VisibleLines()) viewport()->update();
}

void MemoPane::SetLines(const QStringList& lines) {
  lines_ = lines;
  widestCells_ = 0;
  for (const QString& line : lines_) widestCells_ = std::max(widestCells_, text::GbkLength(line));
  anchor_ = cursor_ = Pos{};
  UpdateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

int MemoPane::VisibleLines() const { return std::max(1, (viewport()->height() - kMargin) / lineHeight_); }

void MemoPane::UpdateScrollBars() {
  const int visible = VisibleLines();
  QScrollBar* v = verticalScrollBar();
  v->setRange(0, static_cast<int>(std::max<qsizetype>(0, lines_.size() - visible)));
  v->setPageStep(visible);
  v->setSingleStep(1);
  QScrollBar* h = horizontalScrollBar();
  const int width = static_cast<int>(std::ceil(widestCells_ * cell_)) + 2 * kMargin;
  h->setRange(0, std::max(0, width - viewport()->width()));
  h->setPageStep(viewport()->width());
  h->setSingleStep(static_cast<int>(std::ceil(2 * cell_)));
}

qreal MemoPane::ColumnX(const QString& line, qsizetype column) const {
  return text::GbkLength(QStringView(line).left(std::clamp<qsizetype>(column, 0, line.size()))) * cell_;
}

QString MemoPane::SelectedText() const {
  const Pos a = std::min(anchor_, cursor_), b = std::max(anchor_, cursor_);
  if (a == b || lines_.isEmpty()) return QString();
  QStringList parts;
  for (qsizetype i = a.line; i <= b.line && i < lines_.size(); ++i) {
    const QString& line = lines_[i];
    const qsizetype from = i == a.line ? a.column : 0;
    const qsizetype to = i == b.line ? b.column : line.size();
    parts << line.mid(from, to - from);
  }
  return parts.join(QLatin1Char('\n'));
}

void MemoPane::SelectAll() {
  if (lines_.isEmpty()) return;
  anchor_ = Pos{};
  cursor_ = Pos{lines_.size() - 1, lines_.last().size()};
  viewport()->update();
}

void MemoPane::CopySelection() const {
  const QString selected = SelectedText();
  if (!selected.isEmpty()) QGuiApplication::clipboard()->setText(selected);
}

MemoPane::Pos MemoPane::PosAt(QPoint point) const {
  if (lines_.isEmpty()) return Pos{};
  const qsizetype row = verticalScrollBar()->value() +
                        static_cast<qsizetype>(std::floor(qreal(point.y() - kMargin) / lineHeight_));
  if (row < 0) return Pos{};
  if (row >= lines_.size()) return Pos{lines_.size() - 1, lines_.last().size()};
  const QString& line = lines_[row];
  const qreal target = qreal(point.x() - kMargin + horizontalScrollBar()->value()) / cell_;
  int cells = 0;
  for (qsizetype i = 0; i < line.size();) {
    const qsizetype at = i;
    const int len = text::GbkCharLength(CodePointAt(line, i));
    if (target < cells + len / 2.0) return Pos{row, at};  // nearer this character's left edge
    cells += len;
  }
  return Pos{row, line.size()};
}

void MemoPane::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(viewport());
  p.setFont(font());
  const qreal left = kMargin - horizontalScrollBar()->value();
  const qsizetype top = verticalScrollBar()->value();
  const qsizetype end = std::min(lines_.size(), top + VisibleLines() + 1);
  for (qsizetype i = top; i < end; ++i) DrawLine(p, i, kMargin + (i - top) * lineHeight_ + ascent_, left);
}

// One line: its glyphs on the cell grid in a single glyph run, the selected part in the
// highlight colours. Characters the font lacks are drawn one by one through the usual
// font fallback.
void MemoPane::DrawLine(QPainter& p, qsizetype index, qreal baseline, qreal left) {
  const QString& line = lines_[index];
  const QList<quint32> glyphs = raw_.glyphIndexesForString(line);
  QList<quint32> shown;
  QList<QPointF> positions;
  shown.reserve(glyphs.size());
  positions.reserve(glyphs.size());
  struct Missing {
    QPointF at;
    QString text;
  };
  QList<Missing> missing;
  int cells = 0;
  qsizetype g = 0;
  for (qsizetype i = 0; i < line.size();) {
    const char32_t c = CodePointAt(line, i);
    const QPointF at(left + cells * cell_, baseline);
    cells += text::GbkCharLength(c);
    const quint32 glyph = g < glyphs.size() ? glyphs[g++] : 0;
    if (IsBlank(c)) continue;
    if (glyph == 0) {
      missing << Missing{at, QString::fromUcs4(&c, 1)};
      continue;
    }
    shown << glyph;
    positions << at;
  }
  QGlyphRun run;
  run.setRawFont(raw_);
  run.setGlyphIndexes(shown);
  run.setPositions(positions);
  auto draw = [&] {
    if (!shown.isEmpty()) p.drawGlyphRun(QPointF(0, 0), run);
    for (const Missing& m : missing) p.drawText(m.at, m.text);
  };

  p.setPen(palette().color(QPalette::Text));
  draw();

  const Pos a = std::min(anchor_, cursor_), b = std::max(anchor_, cursor_);
  if (a == b || index < a.line || index > b.line) return;
  const qreal x0 = left + ColumnX(line, index == a.line ? a.column : 0);
  // A selection that goes on past the line's end takes one more cell for the line break.
  const qreal x1 = left + (index == b.line ? ColumnX(line, b.column) : cells * cell_ + cell_);
  const QRectF band(x0, baseline - ascent_, x1 - x0, lineHeight_);
  p.save();
  p.setClipRect(band);
  p.fillRect(band, palette().color(QPalette::Highlight));
  p.setPen(palette().color(QPalette::HighlightedText));
  draw();
  p.restore();
}

void MemoPane::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void MemoPane::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateMetrics();
    UpdateScrollBars();
    viewport()->update();
  }
}

void MemoPane::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  cursor_ = PosAt(event->position().toPoint());
  if (!(event->modifiers() & Qt::ShiftModifier)) anchor_ = cursor_;
  viewport()->update();
}

void MemoPane::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  // Dragging past the top or the bottom scrolls on, one line per move.
  if (at.y() < 0) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  if (at.y() > viewport()->height()) verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  cursor_ = PosAt(at);
  viewport()->update();
}

// A double click selects the name under the mouse: the characters between two blanks.
void MemoPane::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || lines_.isEmpty()) return;
  const Pos at = PosAt(event->position().toPoint());
  const QString& line = lines_[at.line];
  qsizetype from = at.column, to = at.column;
  while (from > 0 && !line[from - 1].isSpace()) --from;
  while (to < line.size() && !line[to].isSpace()) ++to;
  anchor_ = Pos{at.line, from};
  cursor_ = Pos{at.line, to};
  viewport()->update();
}

void MemoPane::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
  } else if (event->matches(QKeySequence::SelectAll)) {
    SelectAll();
  } else if (event->matches(QKeySequence::MoveToStartOfDocument)) {
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
  } else if (event->matches(QKeySequence::MoveToEndOfDocument)) {
    verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
  } else {
    QAbstractScrollArea::keyPressEvent(event);
  }
}

void MemoPane::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copy = menu.addAction(QStringLiteral("复制"), this, &MemoPane::CopySelection);
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(anchor_ != cursor_);
  QAction* all = menu.addAction(QStringLiteral("全选"), this, &MemoPane::SelectAll);
  all->setShortcut(QKeySequence::SelectAll);
  all->setEnabled(!lines_.isEmpty());
  menu.exec(event->globalPos());
}

}  // namespace velmora
