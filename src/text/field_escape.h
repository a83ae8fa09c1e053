// The field escapes of the project's UTF-8 TSV sources (refdata/): inside a field, the two
// characters \n stand for a line break, \t for a tab and \\ for a backslash; any other
// backslash stands for itself. The database builder and the built-in tables both read them.
#pragma once

#include <QString>
#include <QStringView>

namespace velmora::text {

QString UnescapeField(QStringView field);

}  // namespace velmora::text
