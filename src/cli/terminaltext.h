#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

class QTextStream;

namespace zef {

// What the command line prints comes partly from files and arguments: a layout
// text, a device name, an option someone typed. A terminal would act on the
// control characters in it (clear the screen, set the clipboard with OSC 52,
// ring the bell), and a line break inside it would split one line of output in
// two, so a forged finding could be added or a real one hidden.

// The text with every control character in a visible form: "\n", "\r" and
// "\t" for those, "\x1b" for the other C0 and C1 controls and DEL, "\u202e" for
// the line and paragraph separators and the bidirectional controls, which can
// reorder what a terminal shows. Everything else, the backslash included, is
// left as it is, so that text without controls (a config string) prints
// exactly.
QString terminalText(QStringView text);

// The program's name, which begins every error line.
QString programName();

// "zef-designer: " and the message with its controls escaped, on one line.
void printError(QTextStream& err, const QString& message);

// A line of output: the text escaped, then a line break.
void printLine(QTextStream& out, const QString& text);

// A line of a listing: each field escaped (a tab inside one, too), the fields
// separated by tabs.
void printRow(QTextStream& out, const QStringList& fields);

} // namespace zef
