#include "applicationidentity.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zef {

QString organizationName() {
    return QStringLiteral("PellSoft");
}

void nameApplication() {
    QCoreApplication::setOrganizationName(organizationName());
    QCoreApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).baseName());
}

} // namespace zef
