// render_poetry: draws 诗词模式, 组合模式 and the 五行 window to PNG files, to look at
// them without a display:
//   poetry.png        诗词模式: 静夜思, 春晓 and 登鹳雀楼 collected, the tree open on
//                     唐 → 李白 with 静夜思 shown, the names of 张 and the first one's source;
//   poetry_chosen.png the tab of the collected poems;
//   poetry_search.png the search 举头望: 唐 → 李白 → 静夜思;
//   zuhe.png          组合模式 with typed text, its names and a selected name's source;
//   zuhe_empty.png    组合模式 after 马上取名 with an empty box;
//   wuxing.png        the 五行 window after looking up a金b木.
// It prints how long the tree, the author click and the run take through form and view.
//
// Usage: render_poetry [output folder]
#include "app/frm_qiming.h"
#include "app/view/main_window.h"
#include "app/view/wuxing_window.h"

#include "render_main_ui.h"
#include "render_support.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QToolButton>

#include <cstdio>

namespace {

using velmora::FrmQiming;
using velmora::NamingMode;
using velmora::PoetryPanel;
using velmora::render::Print;
using velmora::render::Save;

using ConsoleUi = velmora::render::ConsoleMainWindowUi;

// Clicks the author of that dynasty and the poem of that title, as a user does, and adds it.
bool ShowPoem(FrmQiming& form, const QString& dynasty, const QString& author, const QString& title) {
  PoetryPanel& panel = form.RzPanel30;
  for (int d = 0; d < panel.TreeViewInit.size(); ++d) {
    if (panel.TreeViewInit[d].text != dynasty) continue;
    for (int a = 0; a < panel.TreeViewInit[d].children.size(); ++a) {
      if (panel.TreeViewInit[d].children[a].text != author) continue;
      panel.selectedDynasty = d;
      panel.selectedAuthor = a;
      form.PoetryPanelClick(&PoetryPanel::TreeViewInitClick);
      for (int p = 0; p < panel.RzTreeView1.size(); ++p) {
        if (panel.RzTreeView1[p].text != title) continue;
        panel.RzTreeView1Index = p;
        form.PoetryPanelClick(&PoetryPanel::RzTreeView1Click);
        form.PoetryPanelClick(&PoetryPanel::RzBitBtn40Click);
        return true;
      }
    }
  }
  Print("missing", author, title);
  return false;
}

// Selects the first name of the list in its widget, so the view shows the selection.
void SelectFirstName(velmora::MainWindow& window) {
  if (auto* list = window.findChild<QListWidget*>(QStringLiteral("ListBox1")); list && list->count() > 0)
    list->setCurrentRow(0);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString out = velmora::render::OutputFolder(argc, argv);
  if (out.isEmpty()) return 1;

  ConsoleUi ui;
  FrmQiming form(ui, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
  form.FormCreate();
  velmora::MainWindow window(form);
  window.show();
  form.controls.Xing.text = QStringLiteral("张");
  form.XingExit();

  QElapsedTimer timer;
  timer.start();
  form.ModeClick(NamingMode::Poetry);
  QCoreApplication::processEvents();
  std::printf("诗词模式 with the full tree: %lld ms\n", static_cast<long long>(timer.restart()));
  bool ok = ShowPoem(form, QStringLiteral("唐"), QStringLiteral("孟浩然"), QStringLiteral("春晓"));
  ok &= ShowPoem(form, QStringLiteral("唐"), QStringLiteral("王之涣"), QStringLiteral("登鹳雀楼"));
  timer.restart();
  ok &= ShowPoem(form, QStringLiteral("唐"), QStringLiteral("李白"), QStringLiteral("静夜思"));
  QCoreApplication::processEvents();
  std::printf("李白 clicked, 静夜思 shown and added: %lld ms\n", static_cast<long long>(timer.restart()));
  form.RzBitBtn6Click();
  QCoreApplication::processEvents();
  std::printf("poetry run: %lld ms, %lld names\n", static_cast<long long>(timer.restart()),
              static_cast<long long>(form.ListBox1.size()));
  SelectFirstName(window);
  ok &= Save(window, out + QStringLiteral("/poetry.png"));
  form.RzPanel30.pageIndex = 1;
  emit form.changed();
  ok &= Save(window, out + QStringLiteral("/poetry_chosen.png"));
  // The search: only the dynasties, authors and poems holding the text.
  form.RzPanel30.pageIndex = 0;
  form.RzPanel30.EditTiaojian = QStringLiteral("举头望");
  timer.restart();
  form.PoetryPanelClick(&PoetryPanel::RzBitBtn41Click);
  QCoreApplication::processEvents();
  std::printf("查找 举头望: %lld ms\n", static_cast<long long>(timer.restart()));
  ok &= ShowPoem(form, QStringLiteral("唐"), QStringLiteral("李白"), QStringLiteral("静夜思"));
  ok &= Save(window, out + QStringLiteral("/poetry_search.png"));

  form.ModeClick(NamingMode::Zuhe);
  form.controls.CBsex.Select(1);  // 女
  form.RzPanel30.MemoYixuan = QStringLiteral("愿你如春日的暖阳，温柔而明亮。\n心若清泉，静水流深；志在远方，步履从容。\n岁月静好，安然自在。");
  form.RzBitBtn6Click();
  SelectFirstName(window);
  ok &= Save(window, out + QStringLiteral("/zuhe.png"));
  // 马上取名 with the box emptied: the notice (on the error stream) and empty name panes.
  form.RzPanel30.MemoYixuan.clear();
  form.RzBitBtn6Click();
  ok &= Save(window, out + QStringLiteral("/zuhe_empty.png"));

  velmora::QtWuxingUi wuxingUi;
  velmora::tools::TFrmWuxing wuxing(wuxingUi, form.adoTem());
  velmora::WuxingWindow dialog(wuxing, &window);
  wuxingUi.SetWindow(&dialog);
  dialog.show();
  dialog.findChild<QLineEdit*>(QStringLiteral("Wuxing"))->setText(QStringLiteral("a金b木"));
  dialog.findChild<QToolButton*>(QStringLiteral("Image3"))->click();
  ok &= Save(dialog, out + QStringLiteral("/wuxing.png"));
  return ok ? 0 : 1;
}
