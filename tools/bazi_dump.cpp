// bazi_dump.cpp: the birth chart of each moment read from stdin, one line a moment, for
// compare_bazi.js.
//
// Usage: bazi_dump [--data FOLDER] < moments
// Input lines: "year month day hour minute sex", sex 1 for male and 0 for female.
// Output lines, tab-separated: the input's six numbers joined by blanks; the year, month,
// day and hour pillars; "backward" or "forward"; the start age; the ten luck pillars
// joined by blanks; 1 when the term correction applied, else 0; and the report's
// 节气提示 line, empty when the report has none. A moment the chart refuses prints
// "refused" after its numbers. FOLDER holds Tgcode.dll (default: the folder of this
// program, where the build puts the databases).
#include "bazi/chart.h"
#include "bazi/cycle_numbers.h"
#include "bazi/term_hint.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
  const QStringList args = QCoreApplication::arguments();
  if (args.size() == 3 && args[1] == QStringLiteral("--data")) {
    folder = QDir(args[2]).absolutePath() + QLatin1Char('/');
  } else if (args.size() != 1) {
    std::fprintf(stderr, "usage: bazi_dump [--data FOLDER] < moments\n");
    return 2;
  }
  QTextStream in(stdin);
  QTextStream out(stdout);
  out.setEncoding(QStringConverter::Utf8);
  QString line;
  while (in.readLineInto(&line)) {
    const QStringList f = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (f.size() != 6) continue;
    int n[6];
    for (int i = 0; i < 6; ++i) n[i] = f[i].toInt();
    velmora::bazi::BaziChart c;
    const QString sex = n[5] == 1 ? QStringLiteral("男") : QStringLiteral("女");
    out << f.join(QLatin1Char(' '));
    if (!velmora::bazi::ComputeBaziChart(n[0], n[1], n[2], n[3], n[4], sex, folder, c)) {
      out << "\trefused\n";
      continue;
    }
    QStringList luck;
    for (const velmora::bazi::CyclePair& p : c.luckPillars)
      luck << velmora::bazi::StemChar(p.stem) + velmora::bazi::BranchChar(p.branch);
    out << '\t' << c.pillarChars[0] << c.pillarChars[1] << '\t' << c.pillarChars[2] << c.pillarChars[3] << '\t'
        << c.pillarChars[4] << c.pillarChars[5] << '\t' << c.pillarChars[6] << c.pillarChars[7] << '\t'
        << (c.backward ? "backward" : "forward") << '\t' << c.startAge << '\t' << luck.join(QLatin1Char(' ')) << '\t'
        << (c.termCorrection ? 1 : 0) << '\t' << velmora::bazi::TermHintLine(c, folder) << '\n';
  }
  return 0;
}
