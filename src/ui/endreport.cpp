#include "endreport.h"

#include "autosave.h"
#include "settingskeys.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>

namespace zef {

namespace {

QString reportText(const QStringList& messages) {
    return QStringLiteral("When the designer last ended it could not ask you anything, and "
                          "this went wrong:\n\n") +
           messages.join(QStringLiteral("\n\n"));
}

} // namespace

QString endReportFilePath() {
    return QDir(Autosave::recoveryFolder()).filePath(QStringLiteral("end-report.txt"));
}

void keepEndReport(const QStringList& messages) {
    if (messages.isEmpty()) return;
    const QString text = reportText(messages);
    QSettings settings;
    settings.beginGroup(settingskeys::Group);
    settings.setValue(settingskeys::EndReport, text);
    settings.sync();
    if (settings.status() == QSettings::NoError) return;
    QDir().mkpath(Autosave::recoveryFolder());
    QSaveFile file(endReportFilePath());
    if (!file.open(QIODevice::WriteOnly)) return;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) == bytes.size()) file.commit();
}

QString takeEndReport() {
    QSettings settings;
    settings.beginGroup(settingskeys::Group);
    QString text = settings.value(settingskeys::EndReport).toString();
    if (settings.contains(settingskeys::EndReport)) settings.remove(settingskeys::EndReport);
    QFile file(endReportFilePath());
    if (file.open(QIODevice::ReadOnly)) {
        const QString fromFile = QString::fromUtf8(file.read(64 * 1024));
        file.close();
        file.remove();
        if (text.isEmpty()) text = fromFile;
    }
    return text;
}

} // namespace zef
