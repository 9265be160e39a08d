#pragma once

#include <QString>

// The names under which the designer keeps its settings (QSettings, company
// "PellSoft"). The remembered folders and view options are named in
// designersettings.cpp, next to the enums they belong to.
namespace zef::settingskeys {

inline const QString Group = QStringLiteral("ZEFDesigner");
inline const QString WindowPosition = QStringLiteral("window_position");
inline const QString LastFile = QStringLiteral("last_file");
inline const QString RecentFiles = QStringLiteral("recent_files");
// What went wrong when the last run ended with no one to ask.
inline const QString EndReport = QStringLiteral("end_report");

} // namespace zef::settingskeys
