// AnalysisWindow: the view of the name analysis window "姓名分析" (form naming::TFrmmain).
//
// A header panel with the inputs, the hint and four picture buttons drawn by the program,
// and the read-only report pane below. Binding only: typed text and chosen items are
// written into the form's controls as they change (and once more before every handler), a
// picture button calls the form's handler, and afterwards every widget is re-rendered from
// the form. Widgets carry the form's control names as object names ("NameA", "RzMemo1",
// and "Image1" … "Image4" for the picture buttons), so tests can find them.
#pragma once

#include "naming/analysis.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace velmora {

class AnalysisWindow : public QDialog {
  Q_OBJECT

 public:
  // The form must outlive the window; it is filled before the window is built. FormShow
  // runs when the window is first shown.
  explicit AnalysisWindow(naming::TFrmmain& form, QWidget* parent = nullptr);

  // Re-renders every widget from the form.
  void render();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct ComboBinding {
    QComboBox* box;
    naming::ComboBox* state;
  };
  struct EditBinding {
    QLineEdit* edit;
    naming::EditBox* state;
  };

  QLineEdit* addEdit(const char* name, naming::EditBox& state, int x, int y, int width);
  QComboBox* addCombo(const char* name, naming::ComboBox& state, int x, int y, int width, bool editable);
  QToolButton* addPictureButton(const char* name, const QString& caption, int index,
                                void (naming::TFrmmain::*handler)());

  // Writes what the widgets show into the form's controls.
  void collect();
  // Runs a handler for a widget event, unless the event comes from rendering.
  void act(const std::function<void()>& handler);

  naming::TFrmmain& form_;
  bool rendering_ = false;
  bool shownOnce_ = false;
  std::vector<ComboBinding> combos_;
  std::vector<EditBinding> edits_;
  QWidget* header_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;  // RzMemo1
  QStringList shownMemo_;
  int shownTop_ = -1;  // the form's first line the pane was last brought to
};

}  // namespace velmora
