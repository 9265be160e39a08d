#pragma once

#include <QString>

class QTextStream;

namespace zef {

struct Catalogs;

// --list-templates: one line per starter layout, its name (one word), a tab,
// and what it is. Returns 0.
int listTemplates(QTextStream& out);

// --template NAME --device NAME --output FILE [--force]: writes the starter
// layout NAME made for the device as a layout file, as Save writes one.
// Returns 0 when written; 2 for an unknown template or device name; 3 when
// the template is not offered on that device; 1 when FILE exists (and force is
// not given) or cannot be written. Nothing is written unless the result is 0.
int writeStarterLayout(const Catalogs& catalogs, const QString& templateName,
                       const QString& deviceName, const QString& outputPath, bool force,
                       QTextStream& err);

// Exit status of --template when the template is not offered on the device.
constexpr int TemplateNotOffered = 3;

} // namespace zef
