#pragma once

#include "config/configstring.h"
#include "files/layoutfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zef {

class LayoutDocument;

// Layout files and config strings into and out of the document, without
// dialogs: what the window's commands and the command line share.

// How a load into the document ended.
struct LoadResult {
    LoadStatus status = LoadStatus::Unreadable;
    QString error;   // a sentence for the user when status is not Loaded
    int added = 0;   // elements added to the document
    int refused = 0; // elements dropped by the device's element limit
};

// Reads a layout file into the document (append false: replaces the layout,
// selects the file's device and adopts the file; true: adds its elements after
// the current ones). Silent but for the one message about refused elements.
LoadResult loadLayout(LayoutDocument& document, const QString& path, bool append);
// The same from bytes already in memory (path is what the document adopts).
LoadResult loadLayoutFromBytes(LayoutDocument& document, const QByteArray& bytes,
                               const QString& path, bool append);
// The two steps of loadLayout, for a caller that asks something between them:
// the file read and checked against the document (which is unchanged; a
// layout for a device the catalog does not know reads as UnknownDevice unless
// appended), then loaded into it. A Load is refused unless the status is Loaded.
LayoutReadResult readLayoutFor(const LayoutDocument& document, const QString& path, bool append);
LoadResult loadReadLayout(LayoutDocument& document, const LayoutReadResult& read,
                          const QString& path, bool append);

// The bytes of the layout file for the document's elements and selected device.
QByteArray layoutFileBytes(const LayoutDocument& document, const QDateTime& time);
// Writes the document to a path, replacing the file only once all of it is
// written. Does not mark the document saved. On failure returns false, sets
// error and leaves an existing file untouched; on success stamp (when given)
// says what the file now holds.
bool writeLayoutFile(const LayoutDocument& document, const QString& path, QString* error,
                     FileStamp* stamp = nullptr);

// The font slots the string's font indices refer to: those offered on the
// document's selected device (empty while none is selected).
QStringList documentFontSlots(const LayoutDocument& document);

// Replaces the document's layout by the records of a version "C" / "B" string.
// A string names no device: it is read with the font slots of the selected
// device, which stays, or with none selected for "Edge 1030", which is then
// selected. The layout is untitled afterwards.
void ParseConfigStringC(LayoutDocument& document, const QString& text);
void ParseConfigStringB(LayoutDocument& document, const QString& text);
// Reads a config string as "Load from clipboard" does once the user agreed:
// a refused string is told through the document's platform. Returns true when
// the layout was replaced.
bool loadConfigString(LayoutDocument& document, const QString& text);
// The two steps of loadConfigString, for a caller that asks something between
// them: the records for the device the string is read for (the document is
// unchanged), then the layout replaced by them.
ConfigReadResult readConfigStringFor(const LayoutDocument& document, const QString& text);
void adoptConfigString(LayoutDocument& document, const ConfigReadResult& read);

} // namespace zef
