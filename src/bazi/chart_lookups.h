// chart_lookups.h: the single-value readings of the birth chart from Tgcode.dll, and the
// element tally of the chart.
//
// Exports LookupElement, LookupShishen, LookupNayin, LookupSjrs, LookupQtbj, the
// statements they run (…Statement), and CountElements.
//
// Each lookup opens its own connection, runs one statement, reads the first row's one
// field and closes again; nothing is cached. None ever fails: a missing file or a failing
// statement gives the empty text, and the report goes on with an empty cell. The element
// lookup matches by containment (a row of hzwh lists several characters); the others
// match exactly, their keys put between the quotes untrimmed.
#pragma once

#include <QString>
#include <QStringView>

namespace velmora::bazi {

// 金 木 水 火 土 of a character, blanks around it removed; the empty text when none.
QString LookupElement(const QString& character, const QString& folder);
// The ten god of a key of two stems, the day stem first (甲乙 → 劫财).
QString LookupShishen(const QString& key, const QString& folder);
// The nayin of a stem-branch pair (甲子 → 海中金).
QString LookupNayin(const QString& pillar, const QString& folder);
// The seasonal text of an element and a season 春 夏 秋 冬.
QString LookupSjrs(const QString& element, const QString& season, const QString& folder);
// The 穷通宝鉴 text of a day stem and a month branch.
QString LookupQtbj(const QString& dayStem, const QString& monthBranch, const QString& folder);

QString ElementStatement(const QString& character);
QString ShishenStatement(const QString& key);
QString NayinStatement(const QString& pillar);
QString SjrsStatement(const QString& element, const QString& season);
QString QtbjStatement(const QString& dayStem, const QString& monthBranch);

// The tally of the report's element line (year, month, day and hour pairs, three blanks
// between pairs): the two-byte characters at GBK byte positions 1, 3, 8, 10, 15, 17, 22
// and 24 are counted, so a pair with an empty element shifts the later ones and they
// count as they fall. "金:占2个, 木:占2个, 水:占2个, 火:占1个, 土:占1个".
QString CountElements(QStringView elementLine);

}  // namespace velmora::bazi
