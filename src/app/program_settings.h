// The settings the program keeps between starts, in an ini file under the user's
// configuration folder: the main window's 不要的字 and 想要的字.
//
// The form is given the file (FrmQiming::settingsFile); the program passes
// DefaultSettingsFile(), tests a file of their own, so no test touches the user's folder.
#pragma once

#include "generation/char_wishes.h"

#include <QString>

namespace velmora {

// Velmora.ini in the program's configuration folder of this user (QStandardPaths'
// AppConfigLocation: ~/.config/Velmora on Linux, %LOCALAPPDATA%\Velmora on Windows).
QString DefaultSettingsFile();

// The wishes kept in file; none when the file or its keys are missing, or when what it
// holds is no longer good input (edited by hand).
CharWishes ReadKeptWishes(const QString& file);

// Keeps wishes in file (creating its folder); false when the file cannot be written.
bool KeepWishes(const QString& file, const CharWishes& wishes);

}  // namespace velmora
