// NoteWindow: the view of the notes viewer TFrmNote (tools/note.h).
//
// A tool bar 33 pixels high with three picture buttons (Image1 print, Image3 settings,
// Image7 close) over the editable pane RzMemo1, which fills the rest of the window. The
// pane uses the monospaced CJK font of the all-names pane with every single-byte character
// one half of a Chinese character wide, so the birth-chart report's columns line up.
//
// Each window owns its form and its dialogs, is not modal and deletes itself when closed.
// ShowNote and ShowNoteText open one; the latest one opened stays reachable until it closes.
#pragma once

#include "tools/note.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace velmora {

class CellTextEdit;

class NoteWindow : public QWidget {
  Q_OBJECT

 public:
  ~NoteWindow() override;

  tools::TFrmNote& form() { return *form_; }
  // Re-renders the widgets from the form.
  void render();

  // ShowNote: a new window with note `code` of KelBirth.dll in folder, shown. Throws
  // SilentStop, before anything is shown, when the database cannot be read.
  static NoteWindow* ShowNote(const QString& code, const QString& folder, QWidget* parent = nullptr);
  // ShowNoteText: a new window with text under caption, shown.
  static NoteWindow* ShowNoteText(const QString& text, const QString& caption, QWidget* parent = nullptr);
  // The latest window opened, or nullptr once it has closed.
  static NoteWindow* Latest();

 private:
  explicit NoteWindow(QWidget* parent);
  void showOpened();
  // Writes the reader's edits of the pane into the form.
  void collect();
  void act(void (tools::TFrmNote::*handler)());

  std::unique_ptr<tools::NoteUi> ui_;
  std::unique_ptr<tools::TFrmNote> form_;
  CellTextEdit* memo_ = nullptr;  // RzMemo1
  QStringList shownLines_;
  int shownPixelSize_ = 0;
};

}  // namespace velmora
