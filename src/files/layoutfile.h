#pragma once

#include "model/layoutelement.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QSaveFile;

namespace zef {

class LayoutDocument;

// How a load ended.
enum class LoadStatus {
    Loaded,     // the layout was read (elements added as the limit allows)
    NoDevice,   // read, but the file names no device: only the counts line changes
    Unreadable, // missing, unreadable or too large: nothing changed
    NotLayout,  // not well-formed XML or no root element: nothing changed
};

struct LoadResult {
    LoadStatus status = LoadStatus::Unreadable;
    QString error;   // a sentence for the user when status is not Loaded
    int added = 0;   // elements added to the document
    int refused = 0; // elements dropped by the device's element limit
};

// Files above this size are refused before they are parsed. A full layout of
// 500 elements with long texts stays far below 1 MiB.
constexpr qint64 MaxLayoutFileBytes = qint64(64) * 1024 * 1024;

// The save dialog's filter and default suffix.
QString layoutFileFilter();
QString layoutFileSuffix();

// Reads a layout file into the document (append false: replaces the layout and
// adopts the file; true: adds its elements after the current ones). Silent: the
// result says what went wrong. Refused elements are told in one message.
LoadResult loadLayout(LayoutDocument& document, const QString& path, bool append);
// The same from bytes already in memory (path is what the document adopts).
LoadResult loadLayoutFromBytes(LayoutDocument& document, const QByteArray& bytes,
                               const QString& path, bool append);
// The start-up load of document.fileName: silent; a missing or unreadable file
// leaves the document empty and keeps fileName, so that Save writes there.
LoadResult loadStartupLayout(LayoutDocument& document);

// The bytes of the layout file for the document's elements and selected device.
QByteArray layoutFileBytes(const LayoutDocument& document, const QDateTime& time);

// Save (saveAs false) and Save as (true), with the file dialog through the
// platform where needed. Returns true when the file was written; a failure is
// told to the user and leaves the document modified.
bool saveLayout(LayoutDocument& document, bool saveAs);
// Writes the document to a path without any dialog or message, replacing the
// file only once all of it is written. Does not mark the document saved. On
// failure returns false, sets error and leaves an existing file untouched.
bool writeLayoutFile(LayoutDocument& document, const QString& path, QString* error);
// Writes bytes to a path the same way: through a temporary file that replaces
// the target only when every byte has been written.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Makes the save file for a path. Tests install one whose writes fail.
using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString& path)>;
// Installs a factory (an empty one restores the plain QSaveFile); returns the
// one it replaces.
SaveFileFactory setSaveFileFactory(SaveFileFactory factory);

// Load (append false) and Append (true) through the file dialog. A chosen file
// that cannot be read as a layout is told in a message. True when loaded.
bool openLayoutDialog(LayoutDocument& document, bool append);

QString designerTimeText(const QDateTime& time);
QString decodeFileText(const QByteArray& bytes);
QString normalizeDeviceName(const QString& name);

// Single-byte text of the file (font slot names, codes) in Windows-1252.
QString decodeWindows1252(const QByteArray& bytes);
// Characters Windows-1252 lacks become '?'.
QByteArray encodeWindows1252(const QString& text);
// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool isValidUtf8(const QByteArray& bytes);

} // namespace zef
