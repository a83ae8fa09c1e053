// The commands of velmora-cli. Each takes the arguments after its name and returns the
// exit code (common.h). Each lives in its own file.
#pragma once

#include <QStringList>

namespace velmora::cli {

int RunAnalyze(const QStringList& arguments);  // analyze.cpp
int RunNames(const QStringList& arguments);    // names.cpp

}  // namespace velmora::cli
