// The program's kept settings: see program_settings.h.
#include "app/program_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace velmora {

namespace {

const QString kAvoid = QStringLiteral("naming/avoid");
const QString kWant = QStringLiteral("naming/want");

}  // namespace

QString DefaultSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/Velmora.ini");
}

CharWishes ReadKeptWishes(const QString& file) {
  CharWishes wishes;
  if (file.isEmpty() || !QFileInfo::exists(file)) return wishes;
  const QSettings s(file, QSettings::IniFormat);
  ReadCharWishes(s.value(kAvoid).toString(), s.value(kWant).toString(), &wishes);  // bad text: none kept
  return wishes;
}

bool KeepWishes(const QString& file, const CharWishes& wishes) {
  if (file.isEmpty()) return true;  // a form without a settings file keeps nothing
  if (!QDir().mkpath(QFileInfo(file).absolutePath())) return false;
  QSettings s(file, QSettings::IniFormat);
  s.setValue(kAvoid, wishes.avoid);
  s.setValue(kWant, wishes.want);
  s.sync();
  return s.status() == QSettings::NoError;
}

}  // namespace velmora
