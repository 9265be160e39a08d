#pragma once

#include "model/filestamp.h"
#include "model/layoutelement.h"
#include "model/undohistory.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QSaveFile;

namespace zef {

class ValueTypeCatalog;

// How a load ended.
enum class LoadStatus {
    Loaded,     // the layout was read
    NoDevice,   // well-formed, but the file names no device: not a layout
    Unreadable, // missing, unreadable or too large: nothing changed
    NotLayout,  // not well-formed XML or no root element: nothing changed
    // A layout for a device the catalog does not know (or for none): it cannot
    // be shown, so it is not adopted and nothing changed.
    UnknownDevice,
};

// Element texts read from a file are cut to this many UTF-16 code units. The
// config string carries 255 of a value's text and no separator or fixed text
// has a use for more, while megabytes of text would take the element list and
// the preview seconds to lay out on every paint.
constexpr qsizetype MaxElementTextLength = 1024;

// What a layout file holds.
struct LayoutFileContent {
    bool hasDevice = false; // the file has a Device element
    QString deviceName;     // as the file names it, normalised
    ElementVector elements; // in file order
    int cutTexts = 0;       // elements whose texts were cut to MaxElementTextLength
    // Elements beyond what any device holds (see MaxReadElements), counted
    // but never built.
    int unbuilt = 0;
};

struct LayoutReadResult {
    LoadStatus status = LoadStatus::Unreadable;
    QString error; // a sentence for the user when status is not Loaded
    LayoutFileContent content;
    FileStamp stamp; // what the file held (readLayoutFile only)
};

// Files above this size are refused before they are parsed. A full layout of
// 500 elements with long texts stays far below 1 MiB.
constexpr qint64 MaxLayoutFileBytes = qint64(64) * 1024 * 1024;

// Reading costs what a layout can hold, not what a file can say. Before the
// XML reader sees the bytes, a file whose markup would build more nodes or
// attributes than these is refused; no element kind has more than 44
// attributes. (The XML reader compares each new attribute with all earlier
// ones of its element, and builds a node for every tag.)
constexpr qsizetype MaxXmlNodes = 400 * 1000;
constexpr qsizetype MaxXmlAttributes = 800 * 1000;
constexpr qsizetype MaxAttributesPerElement = 48;
// Of the elements a file lists, at most this many that count towards a
// device's limit (the largest limit) and this many separators are built; the
// rest are only counted, as elements the limit refused.
constexpr int MaxReadElements = 500;
constexpr int MaxReadSeparators = 10000;

// The save dialog's filter and default suffix.
QString layoutFileFilter();
QString layoutFileSuffix();

// Reads a layout file: the whole file is parsed before anything is returned.
// Silent: the result says what went wrong. A file without a Device element
// reads as NoDevice, with no elements.
LayoutReadResult readLayoutBytes(const QByteArray& bytes, const ValueTypeCatalog& catalog);
LayoutReadResult readLayoutFile(const QString& path, const ValueTypeCatalog& catalog);

// The bytes of the layout file for elements on the named device (empty name:
// no device).
QByteArray layoutFileBytes(const ElementVector& elements, const QString& deviceName,
                           const ValueTypeCatalog& catalog, const QDateTime& time);

// Writes bytes to a path through a temporary file that replaces the target
// only when every byte has been written; on failure returns false, sets error
// and leaves an existing file untouched.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Makes the save file for a path. Tests install one whose writes fail.
using SaveFileFactory = std::function<std::unique_ptr<QSaveFile>(const QString& path)>;
// Installs a factory (an empty one restores the plain QSaveFile); returns the
// one it replaces.
SaveFileFactory setSaveFileFactory(SaveFileFactory factory);

// The stamp of a file that holds contents and was last modified at the given
// time (taken before reading, so that a change while reading shows later).
FileStamp fileStampOf(const QDateTime& modified, const QByteArray& contents);

// What the file at path holds now (null when it cannot be read).
FileStamp fileStampNow(const QString& path);

// Whether the file at path still holds what the stamp says.
enum class DiskChange {
    None,    // it does (or the stamp knows no file)
    Changed, // someone else wrote other contents
    Removed, // it is gone
};
DiskChange diskChange(const QString& path, const FileStamp& stamp);

QString designerTimeText(const QDateTime& time);
QString decodeFileText(const QByteArray& bytes);
QString normalizeDeviceName(const QString& name);

// Single-byte text of the file (font slot names, codes) in Windows-1252.
QString decodeWindows1252(const QByteArray& bytes);
// Characters Windows-1252 lacks become '?'.
QByteArray encodeWindows1252(const QString& text);
// The text cut to at most length code units, never between the two halves of
// a surrogate pair.
QString cutText(const QString& text, qsizetype length);
// True when a layout file keeps the text as it is: every character but NUL,
// which ends an attribute value.
bool layoutFileKeepsText(const QString& text);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool isValidUtf8(const QByteArray& bytes);

} // namespace zef
