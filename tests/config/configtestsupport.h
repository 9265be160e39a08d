#pragma once

#include "catalog/catalogs.h"
#include "cli/documentio.h"
#include "common/builtonce.h"
#include "common/scriptedplatform.h"
#include "config/configstring.h"
#include "model/layoutdocument.h"

#include <gtest/gtest.h>

#include <random>

namespace zef::test {

inline const Catalogs& catalogs() {
    return test::builtOnce<Catalogs>();
}

inline int deviceIndex(const char* name) {
    return catalogs().devices.findDeviceByName(QString::fromUtf8(name));
}

// The device the reader selects; its font list is the one the indices refer to.
inline int edgeIndex() {
    return deviceIndex("Edge 1030");
}

inline QStringList fontSlotsOf(int device) {
    return catalogs().fonts.offeredFontSlots(catalogs().devices.at(device),
                                             catalogs().valueTypes.fontSlots);
}

inline int valueTypePosition(int id) {
    return catalogs().valueTypes.positionById(id);
}

// The elements as a load gives them: with what showing them fills in (a
// value's sample and display pattern) already there.
inline ElementVector asShown(ElementVector elements) {
    for (LayoutElement& e : elements) fillShownTexts(e, catalogs().valueTypes);
    return elements;
}

inline QString build(const ElementVector& elements, int device = edgeIndex()) {
    return BuildConfigString(elements, catalogs().valueTypes, fontSlotsOf(device));
}

// Every saved member, one expectation each, so a failure names the member.
inline void expectSameElement(const LayoutElement& actual, const LayoutElement& expected,
                              const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(actual.kind, expected.kind);
    EXPECT_EQ(actual.color, expected.color);
    EXPECT_EQ(actual.graphicType, expected.graphicType);
    EXPECT_EQ(actual.valueType, expected.valueType);
    EXPECT_EQ(actual.text, expected.text);
    EXPECT_EQ(actual.font, expected.font);
    EXPECT_EQ(actual.sampleText, expected.sampleText);
    EXPECT_EQ(actual.replaceColor, expected.replaceColor);
    EXPECT_EQ(actual.dcValue, expected.dcValue);
    EXPECT_EQ(actual.dcColor, expected.dcColor);
    EXPECT_EQ(actual.dcHide, expected.dcHide);
    EXPECT_EQ(actual.dcBlink, expected.dcBlink);
    EXPECT_EQ(actual.invertColor, expected.invertColor);
    EXPECT_EQ(actual.fixedText, expected.fixedText);
    EXPECT_EQ(actual.dayNight, expected.dayNight);
    EXPECT_EQ(actual.maxOnly, expected.maxOnly);
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.x2, expected.x2);
    EXPECT_EQ(actual.y2, expected.y2);
    EXPECT_EQ(actual.stroke, expected.stroke);
    EXPECT_EQ(actual.radius, expected.radius);
    EXPECT_EQ(actual.precision, expected.precision);
    EXPECT_EQ(actual.hAlignment, expected.hAlignment);
    EXPECT_EQ(actual.nrValues, expected.nrValues);
    EXPECT_TRUE(isSameContent(actual, expected));
}

// The five elements of the reference layout: two values, a line, a dynamic
// colour with two rows and a separator.
inline ElementVector referenceLayout() {
    ElementVector v;
    LayoutElement speed(KindValue);
    speed.valueType = valueTypePosition(60); // "Current speed"
    speed.color = 0xFFFFFF;
    speed.x = 100;
    speed.y = 20;
    speed.font = QStringLiteral("LARGE");
    speed.precision = 1;
    speed.hAlignment = 1;
    v.push_back(speed);

    LayoutElement unit(KindValue);
    unit.fixedText = true;
    unit.text = QStringLiteral("km/h");
    unit.color = 0x563412; // 0x123456 as 0xRRGGBB
    unit.x = 200;
    unit.y = 44;
    unit.font = QStringLiteral("SMALL");
    unit.hAlignment = 2;
    v.push_back(unit);

    LayoutElement line(KindGraphic);
    line.color = 0x0000FF; // red
    line.y = 80;
    line.x2 = 239;
    line.y2 = 80;
    line.stroke = 2;
    v.push_back(line);

    LayoutElement dc(KindDynamicColor);
    dc.replaceColor = 0x563412;
    dc.setDynamicColor(0, {0, 0x00FF00, false, false});
    dc.setDynamicColor(1, {250, 0x00FFFF, false, true}); // yellow, blinking
    v.push_back(dc);

    LayoutElement separator(KindSeparator);
    separator.text = QStringLiteral("----------------- Seperator ------------------");
    v.push_back(separator);
    return v;
}

inline const QString& referenceString() {
    static const QString s = QStringLiteral(
        "C!\"%WB!ww*!$:,Mp!!!!!!!iQ)\";3Oly0Z;p!!!!!km/h!!iQ*!ri6zyeYI*!!!\"NywW]m!!*$!!!!!!zljo)"
        "!!!zq");
    return s;
}

// The messages of "Load from clipboard".
inline const QString TooShort = QStringLiteral("The string is too short!");
inline const QString CannotLoad = QStringLiteral("The string cannot be loaded!");
inline const QString Question = QStringLiteral(
    "Do you want to load a configuration string\nfrom the clipboard to your layout?\n"
    "(You must select correct device manually afterwards!)");

// A document with a platform that records messages.
class ConfigDocumentTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    LayoutDocument doc{catalogs(), platform};

    void selectDevice(const char* name) {
        const int index = deviceIndex(name);
        ASSERT_GE(index, 0) << name;
        doc.selectDevice(index);
    }
    // Two graphics loaded from "before.xml" on the device, then one edited: a
    // modified layout that a reader has to replace.
    void setModifiedLayoutOn(const char* device) {
        selectDevice(device);
        LayoutElement old(KindGraphic);
        old.x = 77;
        setLayout({old, old});
        doc.selectedElement()->x = 78;
        doc.refresh();
        ASSERT_TRUE(doc.isModified());
    }
    // A layout loaded from "before.xml".
    void setLayout(const ElementVector& elements) {
        doc.replaceLayout(elements, -1, QStringLiteral("before.xml"));
    }
};

} // namespace zef::test
