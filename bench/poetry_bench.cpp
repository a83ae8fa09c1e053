// The poetry library and a poetry run on the databases built beside the benchmark: the work
// of one click on 显示所有, 查找 明月, an author with over 1,000 poems, and 马上取名 in
// 诗词模式 over three short poems and over a collection of 2,000 characters, the last also
// through the form and its view (offscreen) until every name is in the list. All of it
// runs on the GUI thread, so each must stay well under a second.
#include "app/view/main_window.h"
#include "generation/poetry_names.h"
#include "generation/poetry_panel.h"
#include "refdb/connection.h"
#include "refdb/connection_text.h"
#include "refdb/query.h"
#include "bench_support.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>

#include <benchmark/benchmark.h>

namespace velmora {
namespace {

bool HaveDatabases(benchmark::State& state) {
  if (QFile::exists(ProgramFolder() + QStringLiteral("KelBirth.dll"))) return true;
  state.SkipWithError("the built databases are not beside the benchmark");
  return false;
}

void BM_FullTree(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  PoetryPanel panel(ProgramFolder());
  for (auto _ : state) panel.RzBitBtn42Click();
  qsizetype authors = 0;
  for (const PoetryNode& d : panel.TreeViewInit) authors += d.children.size();
  state.counters["authors"] = static_cast<double>(authors);
}
BENCHMARK(BM_FullTree)->Unit(benchmark::kMillisecond);

void BM_SearchMingyue(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  PoetryPanel panel(ProgramFolder());
  panel.EditTiaojian = QStringLiteral("明月");
  for (auto _ : state) panel.RzBitBtn41Click();
  qsizetype authors = 0;
  for (const PoetryNode& d : panel.TreeViewInit) authors += d.children.size();
  state.counters["authors"] = static_cast<double>(authors);
}
BENCHMARK(BM_SearchMingyue)->Unit(benchmark::kMillisecond);

// Selects the author 李白 of 唐 (1,207 poems) in the full tree.
bool SelectLiBai(PoetryPanel& panel) {
  panel.RzBitBtn42Click();
  for (int d = 0; d < panel.TreeViewInit.size(); ++d) {
    const QList<PoetryNode>& authors = panel.TreeViewInit[d].children;
    for (int a = 0; a < authors.size(); ++a) {
      if (authors[a].text == QStringLiteral("李白")) {
        panel.selectedDynasty = d;
        panel.selectedAuthor = a;
        return true;
      }
    }
  }
  return false;
}

void BM_ClickAuthorLiBai(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  PoetryPanel panel(ProgramFolder());
  if (!SelectLiBai(panel)) return state.SkipWithError("李白 is not in the tree");
  for (auto _ : state) panel.TreeViewInitClick();
  state.counters["poems"] = static_cast<double>(panel.RzTreeView1.size());
}
BENCHMARK(BM_ClickAuthorLiBai)->Unit(benchmark::kMillisecond);

// The texts of the poems with these numbers, each added as 添加到已选 adds it.
QString Collect(const QList<int>& numbers) {
  PoetryPanel panel(ProgramFolder());
  for (int n : numbers) {
    panel.RzTreeView1 = {{QString(), n, kPoemPicture, kPoemSelected, {}}};
    panel.RzTreeView1Index = 0;
    panel.RzTreeView1Click();
    panel.RzBitBtn40Click();
  }
  return panel.MemoYixuan;
}

// 李白's poems in the library's order until the collection holds 2,000 characters.
QString TwoThousandCharacters() {
  Query q(DbConnectionText(DbFile::KelBirth));
  q.SetSql(QStringLiteral("Select d_num,d_nr from sg where au_num = 136 order by d_num asc"));
  q.Open();
  QString text;
  for (q.First(); !q.Eof() && text.size() < 2000; q.Next()) text += q.AsText(u"d_nr") + QStringLiteral("\n\n");
  return text.left(2000);
}

void RunPoetry(benchmark::State& state, const QString& text) {
  Connection main(DbConnectionText(DbFile::PelvanoMain));
  Query adoTem(main), adoFenxi(main);
  PoetryInputs in;
  in.surname = QStringLiteral("张");
  in.text = text;
  std::atomic<bool> running{true};
  QStringList list;
  for (auto _ : state) {
    list.clear();
    MakePoetryNames(in, adoTem, adoFenxi, running, [&] { list.clear(); }, [&](const PoetryName& n) { list << n.item; });
  }
  state.counters["names"] = static_cast<double>(list.size());
  state.counters["characters"] = static_cast<double>(text.size());
}

void BM_PoetryRunThreePoems(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  RunPoetry(state, Collect({8522, 8318, 13783}));  // 静夜思, 春晓, 登鹳雀楼
}
BENCHMARK(BM_PoetryRunThreePoems)->Unit(benchmark::kMillisecond);

void BM_PoetryRun2000Characters(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  RunPoetry(state, TwoThousandCharacters());
}
BENCHMARK(BM_PoetryRun2000Characters)->Unit(benchmark::kMillisecond);

// The main window on the offscreen platform, for the clicks through form and view.
struct Window {
  SilentUi ui;
  FrmQiming form{ui, ProgramFolder()};
  std::unique_ptr<MainWindow> window;
  Window() {
    form.FormCreate();
    window = std::make_unique<MainWindow>(form);
    window->show();
    form.controls.Xing.text = QStringLiteral("张");
  }
};

// Choosing 诗词模式: the full tree, in the form and in the view.
void BM_PoetryModeClick(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  Window w;
  for (auto _ : state) {
    w.form.ModeClick(NamingMode::Poetry);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_PoetryModeClick)->Unit(benchmark::kMillisecond);

// 马上取名 in 组合模式 over 2,000 characters, through the form and its view.
void BM_PoetryClick2000Characters(benchmark::State& state) {
  if (!HaveDatabases(state)) return;
  Window w;
  FrmQiming& form = w.form;
  const MainWindow& window = *w.window;
  form.ModeClick(NamingMode::Zuhe);
  form.RzPanel30.MemoYixuan = TwoThousandCharacters();
  const auto* list = window.findChild<QListWidget*>(QStringLiteral("ListBox1"));
  for (auto _ : state) {
    form.RzBitBtn6Click();
    QCoreApplication::processEvents();
  }
  state.counters["names"] = static_cast<double>(list ? list->count() : -1);
}
BENCHMARK(BM_PoetryClick2000Characters)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) { return velmora::RunOffscreenBenchmarks(argc, argv); }
