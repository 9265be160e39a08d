#include "terminaltext.h"

#include <QTextStream>

namespace zef {

namespace {

bool shownEscaped(char16_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
    switch (c) {
    case 0x061C: // arabic letter mark
    case 0x200E: // left-to-right and right-to-left marks
    case 0x200F:
    case 0x2028: // line and paragraph separators
    case 0x2029:
        return true;
    default:
        // embeddings and overrides, isolates
        return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    }
}

} // namespace

QString terminalText(QStringView text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (!shownEscaped(c)) {
            shown += qc;
            continue;
        }
        switch (c) {
        case u'\n':
            shown += QLatin1String("\\n");
            break;
        case u'\r':
            shown += QLatin1String("\\r");
            break;
        case u'\t':
            shown += QLatin1String("\\t");
            break;
        default:
            shown += c < 0x100 ? QStringLiteral("\\x%1").arg(unsigned(c), 2, 16, QLatin1Char('0'))
                               : QStringLiteral("\\u%1").arg(unsigned(c), 4, 16, QLatin1Char('0'));
        }
    }
    return shown;
}

QString programName() {
    return QStringLiteral("zef-designer");
}

void printError(QTextStream& err, const QString& message) {
    err << programName() << QStringLiteral(": ") << terminalText(message) << Qt::endl;
}

void printLine(QTextStream& out, const QString& text) {
    out << terminalText(text) << '\n';
}

void printRow(QTextStream& out, const QStringList& fields) {
    QStringList shown;
    shown.reserve(fields.size());
    for (const QString& field : fields) shown.append(terminalText(field));
    out << shown.join(QLatin1Char('\t')) << '\n';
}

} // namespace zef
