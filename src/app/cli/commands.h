// The commands of velmora-cli. Each takes the arguments after its name and returns the
// exit code (common.h). Each lives in its own file.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {
struct NamingControls;
class Query;
class NameFilter;
namespace naming {
class NameChecker;
}
}  // namespace velmora

namespace velmora::cli {

int RunAnalyze(const QStringList& arguments);  // analyze.cpp
int RunCalendar(const QStringList& arguments);  // calendar.cpp
int RunJiri(const QStringList& arguments);  // jiri.cpp
// names --mode poetry|zuhe (names_poetry.cpp): the names command hands its arguments on.
int RunNamesPoetry(const QStringList& arguments);
// names --mode best (names_best.cpp): the names command hands on the window's inputs set from
// its options; refused: print only the names the checks leave out (--refused).
int RunNamesBest(const NamingControls& controls, Query& adoTem, const QString& folder, const NameFilter& filter,
                 bool explain, const naming::NameChecker* refused);
int RunBazi(const QStringList& arguments);     // bazi.cpp
int RunNames(const QStringList& arguments);    // names.cpp
int RunXiaoming(const QStringList& arguments); // xiaoming.cpp
int RunJiemeng(const QStringList& arguments);  // jiemeng.cpp

}  // namespace velmora::cli
