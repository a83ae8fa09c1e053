// MainWindow: the view of the main window TFrmQiming. Qt widgets at the window's pixel
// positions over a background the program draws itself (backdrop.h), bound to a FrmQiming.
//
// Binding, and nothing more: a widget event writes the control's new value into
// form.controls and calls the form's handler; form.changed() re-renders every widget from
// the form; form.namesAppended() appends only the new lines of the all-names pane and the
// new items of the high-score list. Widgets carry the form's control names as object
// names ("Xing", "RzRadioButton7", ...), so tests can find them.
#pragma once

#include "app/frm_qiming.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace velmora {

class MemoPane;
class ResultsGrid;
class StatusStrip;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // The form must outlive the window. FormShow runs when the window is first shown;
  // FormCreate is the caller's, before the window is built or shown.
  explicit MainWindow(FrmQiming& form, QWidget* parent = nullptr);
  ~MainWindow() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One drop-down and the state it shows.
  struct ComboBinding {
    QComboBox* box;
    ComboState* state;
    QStringList shownItems;  // the items the box holds, to refill it only when they change
  };
  struct EditBinding {
    QLineEdit* edit;
    EditState* state;
    std::function<void()> exitHandler;  // called when the edit loses the focus; may be empty
  };
  struct CheckBinding {
    QCheckBox* box;
    CheckState* state;
  };

  void setupToolbar();
  void setupInputs();
  void setupLeftPane();
  void setupRightPane();
  void setupBindings();

  QLabel* addLabel(const QString& text, int x, int y, int width);
  QComboBox* addCombo(const char* name, ComboState& state, int x, int y, int width, bool editable,
                      int visibleRows);
  QLineEdit* addEdit(const char* name, EditState& state, int x, int y, int width,
                     std::function<void()> exitHandler);
  QCheckBox* addCheck(const char* name, CheckState& state, const QString& text, int x, int y,
                      int width);

  // Runs a handler for a widget event, unless the event comes from rendering.
  void act(const std::function<void()>& handler);

  void render();
  void renderCombo(ComboBinding& binding);
  void syncNames(bool verifyShown);

  void beginMove(QPoint globalPos);
  void dragTo(QPoint globalPos);

  FrmQiming& form_;
  bool rendering_ = false;
  bool shownOnce_ = false;
  QPoint dragOffset_;
  bool manualDrag_ = false;

  std::vector<ComboBinding> combos_;
  std::vector<EditBinding> edits_;
  std::vector<CheckBinding> checks_;

  QLabel* gudingziLabel_ = nullptr;
  QLabel* zuidiFeeLabel_ = nullptr;
  QLabel* sorcssLabel_ = nullptr;
  QButtonGroup* modes_ = nullptr;
  QPushButton* startButton_ = nullptr;  // RzBitBtn6
  QPushButton* stopButton_ = nullptr;   // RzBitBtn7
  QPushButton* yongziButton_ = nullptr; // BtnYongzi: 不要的字 / 想要的字

  QStackedWidget* leftPane_ = nullptr;
  MemoPane* memo_ = nullptr;        // MemoSuccess
  ResultsGrid* grid_ = nullptr;     // RzStringGrid1
  QWidget* poetryPanel_ = nullptr;  // RzPanel30
  QTabWidget* rightPane_ = nullptr; // RzPageControl2
  QListWidget* highList_ = nullptr;    // ListBox1
  QListWidget* chosenList_ = nullptr;  // ListBox2
  StatusStrip* status_ = nullptr;      // the line under the panes

  // What the panes show, to append only what is new.
  QStringList shownMemo_;
  QStringList shownHigh_;
  QStringList shownChosen_;
};

}  // namespace velmora
