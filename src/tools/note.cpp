// note.cpp: see note.h.
#include "tools/note.h"

#include "refdb/connection_text.h"
#include "refdb/errors.h"
#include "refdb/query.h"
#include "text/gbk.h"

#include <algorithm>

namespace velmora::tools {
namespace {

// A text as lines of the pane; a rich-edit pane takes CR LF, LF and CR alike.
QStringList LinesOf(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text.split(QLatin1Char('\n'));
}

}  // namespace

QString NoteStatement(const QString& code) {
  return QStringLiteral("select Tite,content from Noter where Cid = ") + text::SqlQuote(code);
}

QString LoadNote(const QString& code, QStringList& pane, const QString& folder) {
  try {
    Query q(DbConnectionText(DbFile::KelBirth, folder));
    q.SetSql(NoteStatement(code));
    q.Open();
    if (q.IsEmpty()) {
      pane.clear();
      return QString::fromUtf16(kNoteDefaultCaption);
    }
    pane << LinesOf(text::Trim(q.AsText(u"content")));
    return text::Trim(q.AsText(u"Tite"));
  } catch (const DbError&) {
    throw SilentStop();
  }
}

void TFrmNote::OpenNote(const QString& noteCode, const QString& folder) {
  code = noteCode;
  Caption = LoadNote(noteCode, RzMemo1, folder);
}

void TFrmNote::OpenText(const QString& text, const QString& caption) {
  RzMemo1 << LinesOf(text);
  Caption = caption;
}

void TFrmNote::RzBitBtn1Click() {
  RunHandler(ui_, [this] {
    if (!text::Trim(RzMemo1.join(QLatin1Char('\n'))).isEmpty()) ui_.PrintNote(RzMemo1, pixelSize);
  });
}

void TFrmNote::RzBitBtn2Click() {
  RunHandler(ui_, [this] {
    if (const std::optional<int> size = ui_.AskFontSize(pixelSize, kSmallestPixelSize, kLargestPixelSize))
      pixelSize = std::clamp(*size, kSmallestPixelSize, kLargestPixelSize);
  });
}

void TFrmNote::RzBitBtn3Click() { ui_.CloseWindow(); }

}  // namespace velmora::tools
