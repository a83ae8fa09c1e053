// libFuzzer target for the report paths behind velmora-cli analyze and bazi: the name
// analysis and the birth-chart report with every input as arbitrary text (surname, given
// name, sex, calendar, year, month, day, hour, minute). Each run must end in a report or a
// clear refusal: no crash, no other exception, no sanitizer report, and never a report
// built on a date that was not given.
//
// The same input also drives what the naming commands do with text a user gives them: the
// source line of a poetry or 组合 name (fields from the tenth on are the collected text,
// the second field the given name) never grows beyond its bound, and a surname is either
// taken or refused with a reason.
//
// The input is the fields separated by line breaks; the databases are the built ones.
#include "bazi/report.h"
#include "generation/poetry_source.h"
#include "naming/analysis.h"
#include "refdb/errors.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

QString Field(const QStringList& fields, int i) { return i < fields.size() ? fields[i] : QString(); }

// Records what the birth-chart report tells the user; a refusal must say something.
struct RecordingUi : velmora::Ui {
  QStringList told;
  void ShowNotice(const QString& text) override { told << text; }
  void ShowInformation(const QString&, const QString& text) override { told << text; }
  void ShowError(const QString&, const QString& text) override { told << text; }
  void SetClipboardText(const QString&) override {}
  void Pause(int) override {}
};

void BirthChart(const QStringList& fields) {
  velmora::bazi::BirthInput in;
  in.surname = Field(fields, 0);
  in.sex = Field(fields, 2);
  in.calendarKind = Field(fields, 3) == QStringLiteral("农历") ? 1 : 0;
  in.year = Field(fields, 4);
  in.month = Field(fields, 5);
  in.day = Field(fields, 6);
  in.hour = Field(fields, 7);
  in.minute = Field(fields, 8);
  RecordingUi ui;
  QStringList pane;
  try {
    const auto outcome = velmora::bazi::WriteBaziReport(in, ui, QStringLiteral(VELMORA_DB_DIR "/"), QDate(2026, 1, 1), pane);
    if (outcome == velmora::bazi::BaziOutcome::Written) {
      Check(pane.size() >= 60 && ui.told.isEmpty());
    } else {
      Check(pane.isEmpty() && !ui.told.isEmpty() && !ui.told.front().isEmpty());  // refused, and says why
    }
  } catch (const velmora::SilentStop&) {
  } catch (const velmora::DbError& e) {
    Check(e.what() != nullptr && e.what()[0] != '\0');
  }
}

// Every part of a source line is at most SourceLines::kLongLine characters, whatever the text.
void SourceLine(const QStringList& fields) {
  const QString text = fields.mid(9).join(QLatin1Char('\n'));
  const QString source = velmora::SourceLines(text).For(Field(fields, 1));
  for (const QString& part : source.split(QStringLiteral(" / "))) {
    Check(part.toUcs4().size() <= velmora::SourceLines::kLongLine);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4000) return 0;
  const QStringList fields = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))
                                 .split(QLatin1Char('\n'));
  velmora::NameAnalysisRequest r;
  r.surname = Field(fields, 0);
  r.given = Field(fields, 1);
  r.sex = Field(fields, 2);
  r.calendarKind = Field(fields, 3) == QStringLiteral("农历") ? 1 : 0;
  r.year = Field(fields, 4);
  r.month = Field(fields, 5);
  r.day = Field(fields, 6);
  r.hour = Field(fields, 7);
  r.minute = Field(fields, 8);
  try {
    const QStringList report = velmora::naming::AnalysisReport(r, QStringLiteral(VELMORA_DB_DIR "/"), 2026);
    Check(!report.isEmpty());
    // A date the analysis could not read is refused, never reported as the year 1.
    Check(report.size() < 2 || !report[1].contains(QStringLiteral("0001年")));
  } catch (const velmora::SilentStop&) {
  } catch (const velmora::DbError& e) {
    Check(e.what() != nullptr && e.what()[0] != '\0');  // a refusal says why
  }
  BirthChart(fields);
  SourceLine(fields);
  return 0;
}
