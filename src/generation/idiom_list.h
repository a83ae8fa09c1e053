// The idiom list built into the program (IdiomList): four-character idioms whose meaning
// suits a child's name (talent, virtue, ambition, beauty, learning, bright prospects, and
// other good meanings). Idiom mode admits only given-name characters that occur in it.
//
// Source: refdata/sources/curated/idioms.tsv (UTF-8, header "idiom tier freq source"),
// reviewed by hand from THUOCL's idiom list (MIT, THUNLP); the rows of tiers 1 and 2 are
// the list, in file order. The build compiles the file into the library as the resource
// :/velmora/generation/idioms.tsv; it is parsed once, on first use.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace velmora {

// The entries of an idioms.tsv text: the idioms of tiers 1 and 2, in order. Lines that
// are not "idiom<TAB>tier..." are skipped, as are comment lines ("# ...") and the header.
QStringList ParseIdiomEntries(QByteArrayView utf8);

// The built-in entries; safe to call from any thread.
const QStringList& IdiomEntries();

// IdiomList: the entries joined by line breaks, the text idiom mode puts into its statement.
const QString& IdiomList();

}  // namespace velmora
