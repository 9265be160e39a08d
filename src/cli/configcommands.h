#pragma once

#include <QString>

class QImage;
class QIODevice;
class QTextStream;

namespace zef {

struct Catalogs;

// --export-config FILE: loads the layout file as Load does (its device
// selected) and prints the config string of its elements and a line break.
// Returns 1 after a message on err when the file cannot be loaded as a layout
// or names no device of the catalog.
// With a qrPath (--qr OUT.png) it also writes the string as a QR code PNG;
// a string too long for one code, or a file that cannot be written, gives a
// message and 1 (the string is printed all the same).
//
// The string holds the layout's texts as they are, control characters too.
// Exact prints it so (for a pipe or a file: what the data field reads);
// Escaped shows the controls as terminalText does (for a terminal, which
// would act on them), and is the same string when there are none.
enum class ConfigStringOutput { Exact, Escaped };
int exportConfigString(const Catalogs& catalogs, const QString& layoutPath, QTextStream& out,
                       QTextStream& err, const QString& qrPath = QString(),
                       ConfigStringOutput form = ConfigStringOutput::Exact);

// Writes the text as a QR code PNG; 1 after a message on err when it is too
// long for one code or the file cannot be written.
int writeQrCode(const QString& text, const QString& path, QTextStream& err);

// Writes the image as a PNG file, replacing the file only once all of it is
// written; on failure returns false and sets error to the reason (the
// system's, for a file that cannot be written).
bool writeImage(const QImage& image, const QString& path, QString* error);

// --import-config STRING --output FILE [--device NAME]: reads the string as
// "Load from clipboard" reads the clipboard text with that device selected
// (its font slots; without a device, "Edge 1030") and writes the layout file
// as Save does. Returns 1, leaving FILE alone, when the string is refused, the
// layout is empty or the file cannot be written; 2 when the catalog has no
// device of that name.
int importConfigString(const Catalogs& catalogs, const QString& configString,
                       const QString& outputPath, QTextStream& err,
                       const QString& deviceName = QString());

// The config string argument: "-" reads it from the input (as text bytes, one
// final line break dropped), anything else is the string itself.
QString configStringArgument(const QString& argument, QIODevice& input);

} // namespace zef
