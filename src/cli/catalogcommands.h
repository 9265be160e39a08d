#pragma once

#include <QString>

#include <optional>

class QTextStream;

namespace zef {

struct Catalogs;

// Tab-separated listings of the built-in catalogs, one line per entry, for
// scripts and for tuning the fonts file. Each returns the process exit code.

// index, name, screen width, screen height, maxElements, memoryBytes, class
// letter, offered font slots joined by ",".
int listDevices(const Catalogs& catalogs, QTextStream& out);

// position, name, code, id, level, sample value, display pattern of every value
// type, or of those offered on the device named deviceName when given.
// An unknown device name is reported on err and gives 2.
int listValueTypes(const Catalogs& catalogs, const std::optional<QString>& deviceName,
                   QTextStream& out, QTextStream& err);

// device name, slot, device font name, face resource name (empty when none),
// pixel size, left, centre and right x offsets, y offset: for every slot each
// device's font table defines, in slot order, and every device in catalog order
// or only the one named deviceName when given.
int listFonts(const Catalogs& catalogs, const std::optional<QString>& deviceName, QTextStream& out,
              QTextStream& err);

// The fonts file the designer reads at start-up: fonts.txt beside the executable,
// else the installed one, looked for first where it lies from the executable's
// folder when installed (../share/zef-designer, wherever the package or the
// install prefix put both), then in the data folder of the configured prefix.
QString previewFacesPath(const QString& programDir);

} // namespace zef
