#pragma once

#include "model/layoutelement.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace zef {

class LayoutDocument;

// How a load ended.
enum class LoadStatus {
    Loaded,       // the layout was read (elements added as the limit allows)
    NoDevice,     // read, but the file names no device: only the counts line changes
    Unreadable,   // missing, unreadable or too large: nothing changed
    NotLayout,    // not well-formed XML or no root element: nothing changed
};

struct LoadResult {
    LoadStatus status = LoadStatus::Unreadable;
    QString error; // a sentence for the user when status is not Loaded
};

// Reads a layout file into the document (append false: replaces the layout and
// adopts the file; true: adds its elements after the current ones). Silent.
LoadResult loadLayout(LayoutDocument& document, const QString& path, bool append);
// The same from bytes already in memory (path is what the document adopts).
LoadResult loadLayoutFromBytes(LayoutDocument& document, const QByteArray& bytes,
                               const QString& path, bool append);

// The bytes of the layout file for the document's elements and selected device.
QByteArray layoutFileBytes(const LayoutDocument& document, const QDateTime& time);

// Save (saveAs false) and Save as (true), with the file dialog through the
// platform where needed. Returns true when the file was written; a failure is
// told to the user and leaves the document modified.
bool saveLayout(LayoutDocument& document, bool saveAs);
// Writes the document to a path without any dialog; on failure returns false
// and sets error.
bool writeLayoutFile(LayoutDocument& document, const QString& path, QString* error);

// Load (append false) and Append (true) through the file dialog.
bool openLayoutDialog(LayoutDocument& document, bool append);

QString colorToText(Bgr color);
Bgr textToColor(const QString& text);
QString designerTimeText(const QDateTime& time);
QString decodeFileText(const QByteArray& bytes);
QString normalizeDeviceName(const QString& name);

} // namespace zef
