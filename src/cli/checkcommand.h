#pragma once

#include <QString>

#include <optional>

class QTextStream;

namespace zef {

struct Catalogs;

// --check FILE.xml [--device NAME]: loads the layout file as Load does and
// prints one line per finding of the layout check, "N: kind: message" with N
// the element's 1-based position in the list, in list order. With a device
// name the layout is checked as if it were on that device: its geometry
// scaled as Scale to device scales it, its value types and fonts kept as the
// file has them.
//
// Returns 0 without findings, 3 with at least one, 1 after a message on err
// when the file cannot be loaded or names no device of the catalog, and 2 for
// an unknown device name.
int checkLayoutFile(const Catalogs& catalogs, const QString& layoutPath,
                    const std::optional<QString>& deviceName, QTextStream& out, QTextStream& err);

// Exit status of --check with findings.
constexpr int CheckFoundSomething = 3;

} // namespace zef
