// report.h: the birth-chart report (批八字) of the main window's inputs.
//
// Exports BaziOutcome, WriteBaziReport and the note window's caption.
//
// The report is about seventy plain-text lines laid out for a display in which a Chinese
// character is as wide as two blanks: the person and the lunar date, the chart with its
// ten gods, hidden stems, elements and nayin, the luck pillars, ten rows of annual pillars,
// ten pairs of minor-luck rows, the seasonal and 调候 readings, the element tally, the bone
// weight and the birthday personality. It is written into a pane (the main window's
// REbazi) line by line, so a reading that ends the report part way leaves what was written.
// When the real solar term disagrees with the chart's fixed month windows, one 节气提示
// line follows the eight characters (term_hint.h).
#pragma once

#include "bazi/birth.h"
#include "refdb/ui.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace velmora::bazi {

enum class BaziOutcome {
  Written,       // the whole report is in the pane
  EmptySurname,  // refused with "姓不能为空!"; the focus belongs in the surname box
  Refused,       // another input refused with a message; the pane is untouched
};

inline constexpr const char16_t* kBaziNoteCaption = u"您的八字分析结果...";

// The report of input, written into pane after the inputs pass their checks; today (the
// machine's clock, passed in so that tests can fix it) gives the age: its year less the
// birth year, or "未出生" for a birth after today, since parents chart expected dates. Refusals are told through ui (ShowNotice for an empty box, the plain
// message box "请检查输入数据是否出错！" for a date, hour or minute that is no number or
// does not exist, a lunar date the table rejects and a date outside
// 1900-01-31..2100-12-31) and leave the pane as it was. Failed chart lookups leave empty
// cells. When dream.dll cannot be read the report stops after line 59 with SilentStop.
// folder: where the databases lie, with its trailing separator.
BaziOutcome WriteBaziReport(const BirthInput& input, Ui& ui, const QString& folder, QDate today,
                            QStringList& pane);

}  // namespace velmora::bazi
