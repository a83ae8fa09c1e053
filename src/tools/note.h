// note.h: TFrmNote, the notes viewer "算命", as a form: a caption, a text pane, and the
// print, settings and close actions of its tool bar. No widgets (see view/note_window.h).
//
// Exports NoteUi, TFrmNote, LoadNote and NoteStatement.
//
// A note window shows either a note of table Noter in KelBirth.dll, found by its code
// (ShowNote: "XM016" is the five-grid note, "XM017" the three-talent note), or a text its
// caller passes (ShowNoteText: the birth-chart report). The windows are not modal, each
// frees itself when closed, and any number may be open at once.
#pragma once

#include "refdb/ui.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace velmora::tools {

inline constexpr const char16_t* kNoteDefaultCaption = u"算命";

// The dialogs of a note window.
class NoteUi : public Ui {
 public:
  // Prints the pane's lines through the print dialog, in the pane's font.
  virtual void PrintNote(const QStringList& lines, int pixelSize) = 0;
  // Asks for the pane's font size in pixels; nothing when the user cancels.
  virtual std::optional<int> AskFontSize(int current, int smallest, int largest) = 0;
  virtual void CloseWindow() = 0;
};

// The statement LoadNote runs: select Tite,content from Noter where Cid = 'XM016'.
QString NoteStatement(const QString& code);

// Appends the trimmed content of note `code` to pane and returns its trimmed title; when
// no row matches, empties the pane and returns "算命". A database that cannot be opened or
// read throws SilentStop, so the window is not shown. folder: where KelBirth.dll lies.
QString LoadNote(const QString& code, QStringList& pane, const QString& folder);

class TFrmNote {
 public:
  static constexpr int kDefaultPixelSize = 12;  // 宋体 of height 12
  static constexpr int kSmallestPixelSize = 9;
  static constexpr int kLargestPixelSize = 36;

  explicit TFrmNote(NoteUi& ui) : ui_(ui) {}

  QString Caption = QString::fromUtf16(kNoteDefaultCaption);
  QString code;             // the note shown, empty for a passed text
  QStringList RzMemo1;      // the pane's lines; the reader may edit them
  int pixelSize = kDefaultPixelSize;

  // ShowNote's work before the window shows: keeps the code and loads the note, its
  // title becoming the caption. Throws SilentStop as LoadNote does.
  void OpenNote(const QString& noteCode, const QString& folder);
  // ShowNoteText's: the text appended to the pane under the given caption.
  void OpenText(const QString& text, const QString& caption);

  void RzBitBtn1Click();  // 打印
  void RzBitBtn2Click();  // 设置..: the pane's font size, for this window only
  void RzBitBtn3Click();  // 关闭

 private:
  NoteUi& ui_;
};

}  // namespace velmora::tools
