// The commands of velmora-cli. Each takes the arguments after its name and returns the
// exit code (common.h). Each lives in its own file.
#pragma once

#include <QStringList>

namespace velmora::cli {

int RunAnalyze(const QStringList& arguments);  // analyze.cpp
int RunCalendar(const QStringList& arguments);  // calendar.cpp
int RunJiri(const QStringList& arguments);  // jiri.cpp
// names --mode poetry|zuhe (names_poetry.cpp): the names command hands its arguments on.
int RunNamesPoetry(const QStringList& arguments);
int RunBazi(const QStringList& arguments);     // bazi.cpp
int RunNames(const QStringList& arguments);    // names.cpp
int RunXiaoming(const QStringList& arguments); // xiaoming.cpp
int RunJiemeng(const QStringList& arguments);  // jiemeng.cpp

}  // namespace velmora::cli
