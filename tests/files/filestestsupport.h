#pragma once

#include "catalog/catalogs.h"
#include "cli/documentio.h"
#include "common/scriptedplatform.h"
#include "files/layoutfile.h"
#include "model/layoutdocument.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <memory>

namespace zef::test {

// The value types and devices, built once (the document needs no device fonts).
inline const Catalogs& catalogs() {
    static const Catalogs built = [] {
        Catalogs c;
        c.valueTypes.build();
        c.devices.build();
        return c;
    }();
    return built;
}

inline int deviceIndex(const char* name) {
    return catalogs().devices.findDeviceByName(QString::fromUtf8(name));
}

// A scripted platform and a document on it, optionally with a device selected.
struct Session {
    ScriptedPlatform platform;
    LayoutDocument document{catalogs(), platform};

    explicit Session(int device = -1) {
        if (device >= 0) document.selectDevice(device);
    }
    // Adds elements as a user would have made them (limit applies).
    void add(const ElementVector& elements) {
        for (const LayoutElement& e : elements) document.addElement(&e, true, true);
    }
};

// The elements as a load gives them: with what showing them fills in (a
// value's sample and display pattern) already there.
inline ElementVector asShown(ElementVector elements) {
    for (LayoutElement& e : elements) fillShownTexts(e, catalogs().valueTypes);
    return elements;
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString dataPath(const char* name) {
    return QStringLiteral(TEST_DATA_DIR "/files/") + QString::fromUtf8(name);
}

// The file with its save time replaced by a fixed one, for byte comparison.
inline QByteArray withFixedTime(QByteArray bytes, const char* time = "05.03.2024 09:07") {
    static const QRegularExpression timeAttr(
        QStringLiteral("time=\"\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d\""));
    QString text = QString::fromUtf8(bytes);
    text.replace(timeAttr, QStringLiteral("time=\"%1\"").arg(QString::fromLatin1(time)));
    return text.toUtf8();
}

// A minimal layout file for a device with the given element lines, CR LF ends.
inline QByteArray layoutXml(const QByteArray& device, const QList<QByteArray>& elements) {
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ZEFLayout>\r\n"
                     "    <Device name=\"" +
                     device + "\"/>\r\n";
    for (const QByteArray& e : elements) xml += "    " + e + "\r\n";
    xml += "</ZEFLayout>\r\n";
    return xml;
}

// A layout file one byte above the size limit (sparse: no 64 MiB written).
inline bool writeOversizedLayout(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(layoutXml("Edge 1030", {"<LayoutElement type=\"3\"/>"})) > 0 &&
           file.resize(MaxLayoutFileBytes + 1);
}

} // namespace zef::test
