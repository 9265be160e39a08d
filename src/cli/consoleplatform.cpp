#include "consoleplatform.h"

#include "terminaltext.h"

#include <QStringList>
#include <QTextStream>

namespace zef {

MessageAnswer ConsolePlatform::showMessage(const QString& text, MessageButtons buttons,
                                           MessageIcon) {
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString& line : lines) line = line.trimmed();
    printError(m_err, lines.join(QLatin1Char(' ')));
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

} // namespace zef
