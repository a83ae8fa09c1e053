// How a surname is read as a surname: 曾 zēng (not céng), 单 shàn, 区 ōu, 尉迟 yù chí. The grid's
// 拼音 column and every check that reads a name aloud read its surname this way.
//
// Table xs of Pelvano.dll lists the surnames whose reading as a surname differs from the
// character's usual one or is one of several (refdata/sources/curated/surname_readings.tsv).
// A surname is looked up whole first, so a compound surname is read as one (尉迟 yù chí,
// though 尉 alone is wèi; 万俟 mò qí); otherwise each character by its own row, else by its
// reading in table word. A database without xs reads every surname by word.
#pragma once

#include "refdb/query.h"

#include <QString>
#include <QStringList>

namespace velmora::naming {

// One syllable with its tone mark per character of surname (one or two characters, trimmed);
// an empty syllable for a character the database does not hold. Runs its short lookups on
// q (the main window's ADOTem); throws DbError when word cannot be read.
QStringList SurnameSyllables(Query& q, const QString& surname);

}  // namespace velmora::naming
