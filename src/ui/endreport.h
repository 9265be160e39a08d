#pragma once

#include <QString>
#include <QStringList>

namespace zef {

// What could not be done when the designer last ended with no user to ask (a
// signal, a lost display): kept in the settings or, when they cannot be
// written, in a file in the recovery folder, and told at the next start.
void keepEndReport(const QStringList& messages);
// The report left by the last run, removed once taken; empty when there is none.
QString takeEndReport();
// Where the report goes when the settings cannot be written.
QString endReportFilePath();

} // namespace zef
