// The designer window as a whole: the template, the typical request from an
// empty window to a config string, the commands of the left column, the
// element list, the preview's mouse and the window's lifecycle.

#include "windowtestsupport.h"

#include "cli/documentio.h"
#include "config/configstring.h"
#include "files/layoutfile.h"
#include "preview/previewgeometry.h"
#include "ui/cautorepeatbutton.h"
#include "ui/dialogtemplate.h"
#include "ui/listitemtext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>

namespace zef::test {
namespace {

const char* const HDevice = "fenix 7";  // 260 x 260, 500 elements
const char* const LDevice = "D2 Bravo"; // 30 elements

// --- the template ------------------------------------------------------------

TEST(DialogTemplate, DialogUnitsMapToTheFixedPixelPlaces) {
    // 807 x 536 units: 1210.5 x 871 pixels; the window is 1210 wide.
    const QRect whole = dialogUnitsToPixels(0, 0, TemplateWidthUnits, TemplateHeightUnits);
    EXPECT_NEAR(whole.width(), CPellFieldDlg::TemplateWidth, 1);
    EXPECT_EQ(whole.height(), CPellFieldDlg::TemplateHeight);
    // The preview column's group box, the colour edit and the first row's
    // colour edit, against the places the preview paints at.
    EXPECT_EQ(dialogUnitsToPixels(432, 0, 372, 534), QRect(648, 0, 558, 868));
    const QRect colorEdit = dialogUnitsToPixels(354, 18, 36, 12);
    EXPECT_LE(colorEdit.right(), preview::swatchRect().left());
    EXPECT_EQ(colorEdit.top(), preview::swatchRect().top());
    EXPECT_EQ(dialogUnitsToPixels(354, 341, 36, 12).top(), preview::dcSwatchRect(0).top());
}

class TemplateTest : public WindowTest {};

TEST_F(TemplateTest, EveryControlSitsInsideTheWindowAndNoneOverlaps) {
    // The template's area keeps the template's size; the menu bar is above it.
    EXPECT_EQ(dlg->templateArea()->size(),
              QSize(CPellFieldDlg::TemplateWidth, CPellFieldDlg::TemplateHeight));
    EXPECT_EQ(dlg->templateArea()->y(), dlg->menuBar()->height());
    // Each control by its place in the template and its caption.
    std::vector<std::pair<std::string, QRect>> placed;
    const auto controls = designerTemplate();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& t = controls[i];
        if (t.kind == ControlKind::GroupBox) continue;
        placed.emplace_back(std::to_string(i) + " '" + t.caption + "'",
                            dialogUnitsToPixels(t.left, t.top, t.width, t.height));
    }
    const QRect client = dlg->templateArea()->rect();
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_TRUE(client.contains(placed[i].second)) << placed[i].first;
        for (std::size_t j = i + 1; j < placed.size(); ++j)
            EXPECT_FALSE(placed[i].second.intersects(placed[j].second))
                << placed[i].first << " overlaps " << placed[j].first;
    }
    // The swatches and the preview are the window's own paint: no control
    // covers them.
    std::vector<QRect> painted{preview::swatchRect(), preview::area()};
    for (int i = 0; i < preview::DcSwatchCount; ++i) painted.push_back(preview::dcSwatchRect(i));
    for (const auto& [name, rect] : placed)
        for (const QRect& p : painted) EXPECT_FALSE(rect.intersects(p)) << name;
}

TEST_F(TemplateTest, ControlsCarryTheirCaptionsAndKinds) {
    const struct {
        QAbstractButton* button;
        const char* caption;
    } buttons[] = {
        {ui().add, "Add"},
        {ui().clone, "Clone"},
        {ui().remove, "Remove"},
        {ui().up, "Up"},
        {ui().down, "Down"},
        {ui().load, "Load"},
        {ui().append, "Append"},
        {ui().loadFromClipboard, "Load from\nclipboard"},
        {ui().scaleToDevice, "Scale to\ndevice"},
        {ui().refresh, "Refresh"},
        {ui().saveAs, "Save as"},
        {ui().save, "Save"},
        {ui().copyToClipboard, "Copy to clipboard"},
        {ui().gotoDynCol, "Goto DynCol"},
        {ui().colorButton, "Color"},
        {ui().replaceColorButton, "Color to replace"},
        {ui().dcRows[0].colorButton, "Color 1"},
        {ui().dcRows[9].colorButton, "Color 10"},
        {ui().highlight, "Highlight (red) selected element"},
        {ui().gradient, "Show gradient on elements with dyn. colors"},
        {ui().nightMode, "Show night mode"},
        {ui().dayNight, "Enable day/night switching"},
        {ui().invertColor, "Invert color order"},
    };
    for (const auto& b : buttons)
        EXPECT_EQ(b.button->text(), QString::fromUtf8(b.caption)) << b.caption;
    // No button is the default: Enter in an edit field clicks nothing.
    for (const QPushButton* button : dlg->findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
    }

    // Every "-" and "+" and the list's Up and Down repeat while held.
    std::vector<QWidget*> repeating = {ui().up, ui().down};
    for (const NumberFieldControls* f : {&ui().x, &ui().y, &ui().x2, &ui().y2, &ui().radius,
                                         &ui().stroke, &ui().nrValues, &ui().precision})
        repeating.insert(repeating.end(), {f->minus, f->plus});
    for (QWidget* w : repeating)
        EXPECT_NE(qobject_cast<CAutoRepeatButton*>(w), nullptr) << "at " << w->x() << "," << w->y();
    EXPECT_EQ(qobject_cast<CAutoRepeatButton*>(ui().add), nullptr);

    EXPECT_TRUE(ui().counts->isReadOnly());
    EXPECT_TRUE(ui().nrValues.edit->isReadOnly());
    EXPECT_TRUE(ui().precision.edit->isReadOnly());
    EXPECT_EQ(ui().counts->text(), QStringLiteral("Val:0, Graph:0, DC:0, Total:0"));

    QStringList kinds;
    for (int i = 0; i < ui().elementKind->count(); ++i) kinds << ui().elementKind->itemText(i);
    EXPECT_EQ(kinds,
              (QStringList{QStringLiteral("Value"), QStringLiteral("Graphic"),
                           QStringLiteral("Dynamic color"), QStringLiteral("- Seperator -")}));
    EXPECT_EQ(ui().elementKind->currentText(), QStringLiteral("Value"));
    QStringList alignments;
    for (int i = 0; i < ui().alignment->count(); ++i) alignments << ui().alignment->itemText(i);
    EXPECT_EQ(alignments, (QStringList{QStringLiteral("Right"), QStringLiteral("Center"),
                                       QStringLiteral("Left")}));
    EXPECT_EQ(ui().deviceList->count(), catalogs().devices.count());
    EXPECT_EQ(ui().deviceList->currentIndex(), -1);
}

// --- the typical request -------------------------------------------------------

class TypicalRequestTest : public WindowTest {};

TEST_F(TypicalRequestTest, FromAnEmptyWindowToAConfigStringAndASavedFile) {
    EXPECT_EQ(dlg->windowTitle(),
              QStringLiteral("Quennicks ZEF designer v3.8.1 (C) <untitled>[*]"));
    EXPECT_FALSE(dlg->isWindowModified());

    // 1. The device: the lists are filled with what it offers.
    chooseDevice(HDevice);
    const int device = catalogs().devices.findDeviceByName(QString::fromUtf8(HDevice));
    EXPECT_EQ(doc().selectedDevice(), device);
    EXPECT_EQ(ui().valueType->count(), 215);
    EXPECT_EQ(ui().graphicKind->count(), 15);
    const QStringList fonts = catalogs().fonts.offeredFontSlots(catalogs().devices.at(device),
                                                                catalogs().valueTypes.fontSlots);
    ASSERT_FALSE(fonts.isEmpty());
    EXPECT_EQ(ui().font->count(), fonts.size());

    // 2. Add a value: one row, shown in the panel, counted.
    add(KindValue);
    ASSERT_EQ(doc().count(), 1);
    EXPECT_EQ(doc().selection(), 0);
    EXPECT_EQ(dlg->elementList().selectedRow(), 0);
    EXPECT_EQ(ui().counts->text(), QStringLiteral("Val:1, Graph:0, DC:0, Total:1"));
    // In the middle of the screen, so that the user sees it.
    EXPECT_EQ(ui().x.edit->text(), QString::number(catalogs().devices.at(device).screenWidth / 2));
    EXPECT_TRUE(enabled(ui().x.edit));

    // 3. Value type, font slot and position, each written straight in.
    choose(ui().valueType, QStringLiteral("Current speed"));
    choose(ui().font, fonts.last());
    type(ui().x.edit, QStringLiteral("130"));
    type(ui().y.edit, QStringLiteral("40"));
    const LayoutElement& e = element();
    EXPECT_EQ(e.valueType, ValueTypeCatalog::positionByName(catalogs().valueTypes.valueTypes,
                                                            QStringLiteral("Current speed")));
    EXPECT_EQ(e.text, QStringLiteral("$V"));
    EXPECT_EQ(e.sampleText, QStringLiteral("45.34"));
    EXPECT_EQ(ui().text->text(), QStringLiteral("$V"));
    EXPECT_EQ(e.font, fonts.last());
    EXPECT_EQ(e.x, 130);
    EXPECT_EQ(e.y, 40);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FFFFFF  | Current speed"));

    // The preview shows the device.
    dlg->grab();
    EXPECT_EQ(ui().deviceSummary->text(),
              DeviceCatalog::deviceSummaryText(catalogs().devices.at(device)));
    EXPECT_TRUE(ui().paintTime->text().endsWith(QStringLiteral(" ms")));

    // 4. Copy to clipboard: the config string of the document.
    click(ui().copyToClipboard);
    EXPECT_TRUE(platform.clipboard.startsWith(QLatin1Char('C')));
    EXPECT_EQ(platform.clipboard,
              BuildConfigString(doc().elements(), catalogs().valueTypes, fonts));

    // 5. Closing asks to save; Yes asks where, since the start-up file was
    // not there to be loaded: the layout is untitled.
    EXPECT_TRUE(dlg->isWindowModified());
    platform.answers.push_back(MessageAnswer::Yes);
    platform.saveFileNames.push_back(startFile);
    EXPECT_TRUE(dlg->close());
    EXPECT_TRUE(messages().contains(QStringLiteral("Do you want to save your changes?")));
    EXPECT_EQ(platform.saveDialogs, 1);
    ASSERT_TRUE(QFileInfo::exists(startFile));

    ScriptedPlatform other;
    CPellFieldDlg reopened(other, QStringList{QStringLiteral("zef-designer"), startFile});
    ASSERT_EQ(reopened.document().count(), 1);
    EXPECT_TRUE(isSameContent(reopened.document().elements()[0], doc().elements()[0]));
    EXPECT_EQ(reopened.windowTitle(), titleFor(startFile));
    EXPECT_FALSE(reopened.isWindowModified());
    EXPECT_EQ(reopened.ui().deviceList->currentText(), QString::fromUtf8(HDevice));
}

// --- commands of the left column ---------------------------------------------

class CommandsTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        chooseDevice(HDevice);
    }
};

TEST_F(CommandsTest, AddGoesAfterTheSelectionAndEveryKindGetsItsRow) {
    add(KindValue);
    add(KindGraphic);
    add(KindDynamicColor);
    add(KindSeparator);
    ASSERT_EQ(doc().count(), 4);
    clickRow(1);
    EXPECT_EQ(doc().selection(), 1);
    add(KindValue);
    ASSERT_EQ(doc().count(), 5);
    EXPECT_EQ(doc().selection(), 2);
    EXPECT_EQ(doc().elements()[2].kind, KindValue);
    EXPECT_EQ(rowTexts(),
              (QStringList{QStringLiteral("FFFFFF  | -- None --"), QStringLiteral("FFFFFF  | Line"),
                           QStringLiteral("FFFFFF  | -- None --"),
                           QStringLiteral("123456  | Vals: 0.0 - 0.0"),
                           QStringLiteral("----------------- Seperator "
                                          "------------------")}));
    EXPECT_EQ(rows().rowColor(1), 0x000082u);
    EXPECT_EQ(rows().rowColor(3), 0x008200u);
    EXPECT_EQ(rows().rowColor(4), 0x969696u);
    EXPECT_EQ(rows().rowColor(2), 0xB40000u);
    EXPECT_EQ(ui().counts->text(), QStringLiteral("Val:2, Graph:1, DC:1, Total:4"));
}

TEST_F(CommandsTest, CloneRemoveUpAndDownKeepListAndDocumentTogether) {
    add(KindValue);
    type(ui().x.edit, QStringLiteral("11"));
    add(KindGraphic);
    click(ui().clone);
    ASSERT_EQ(doc().count(), 3);
    EXPECT_EQ(doc().selection(), 2);
    click(ui().up);
    click(ui().up);
    EXPECT_EQ(doc().selection(), 0);
    EXPECT_EQ(doc().elements()[0].kind, KindGraphic);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FFFFFF  | Line"));
    EXPECT_EQ(rows().rowText(1), QStringLiteral("FFFFFF  | -- None --"));
    click(ui().up); // already first: nothing
    EXPECT_EQ(doc().selection(), 0);
    click(ui().down);
    EXPECT_EQ(doc().selection(), 1);
    EXPECT_EQ(dlg->elementList().selectedRow(), 1);

    click(ui().remove);
    ASSERT_EQ(doc().count(), 2);
    EXPECT_EQ(rows().rowCount(), 2);
    EXPECT_EQ(doc().selection(), 1);
    // The panel shows the newly selected element.
    EXPECT_EQ(ui().x.edit->text(), QString::number(element().x));
    click(ui().remove);
    click(ui().remove);
    EXPECT_EQ(doc().count(), 0);
    EXPECT_EQ(rows().rowCount(), 0);
    EXPECT_EQ(ui().counts->text(), QStringLiteral("Val:0, Graph:0, DC:0, Total:0"));
    // Nothing selected: the panel holds nothing editable.
    EXPECT_FALSE(enabled(ui().x.edit));
    EXPECT_TRUE(ui().x.edit->text().isEmpty());
}

TEST_F(CommandsTest, UndoThroughTheKeyboardRestoresListAndPanel) {
    add(KindValue);
    add(KindValue); // the first Add has no baseline; this one can be undone
    const int added = element().x;
    type(ui().x.edit, QStringLiteral("77"));
    ASSERT_EQ(element().x, 77);
    // Typed one digit after the other, in one field: one step.
    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc().elements()[1].x, added);
    EXPECT_EQ(ui().x.edit->text(), QString::number(added));
    EXPECT_EQ(doc().selection(), 1);
    EXPECT_EQ(dlg->elementList().selectedRow(), 1);
    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc().count(), 1);
    EXPECT_EQ(rows().rowCount(), 1);
    EXPECT_EQ(ui().counts->text(), QStringLiteral("Val:1, Graph:0, DC:0, Total:1"));
    QTest::keyClick(ui().y.edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(doc().count(), 1);
}

TEST_F(CommandsTest, RefreshRebuildsChangedRowsAndKeepsTheSelection) {
    add(KindValue);
    type(ui().colorEdit, QStringLiteral("FF0000"));
    add(KindDynamicColor);
    ASSERT_EQ(doc().elements()[1].replaceColor, 0x563412u);
    // Changing the replaced colour behind the list's back: the rows keep their
    // texts until a refresh.
    doc().setSelection(1);
    doc().selectedElement()->replaceColor = 0x0000FF;
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FF0000  | -- None --"));
    clickRow(0);
    click(ui().refresh);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FF0000 * | -- None --"));
    EXPECT_EQ(rows().rowText(1), QStringLiteral("FF0000  | Vals: 0.0 - 0.0"));
    EXPECT_EQ(doc().selection(), 0);
    EXPECT_EQ(dlg->elementList().selectedRow(), 0);
    // Nothing changed: still the same selection.
    click(ui().refresh);
    EXPECT_EQ(dlg->elementList().selectedRow(), 0);
}

TEST_F(CommandsTest, DeviceChangeDropsWhatTheSmallerDeviceLacks) {
    add(KindValue);
    choose(ui().valueType, QStringLiteral("(H) Watt per kg/pound"));
    add(KindGraphic);
    choose(ui().graphicKind, QStringLiteral("(H) Direction arrow"));
    chooseDevice(LDevice);
    EXPECT_EQ(ui().valueType->count(), 25);
    EXPECT_EQ(ui().graphicKind->count(), 9);
    EXPECT_EQ(doc().elements()[0].valueType, 0);
    EXPECT_EQ(doc().elements()[1].graphicKind(), GraphicKind::Line);
    EXPECT_EQ(rows().rowText(0), QStringLiteral("FFFFFF  | -- None --"));
    EXPECT_EQ(rows().rowText(1), QStringLiteral("FFFFFF  | Line"));
    // The panel was re-read for the selected graphic.
    EXPECT_EQ(ui().graphicKind->currentText(), QStringLiteral("Line"));
    EXPECT_FALSE(ui().scaleToDevice->isEnabled());
}

TEST_F(CommandsTest, ScaleToDeviceAfterALoadedLayoutMeetsAnotherDevice) {
    add(KindGraphic);
    type(ui().x.edit, QStringLiteral("100"));
    const QString file = dir.filePath(QStringLiteral("scaled.xml"));
    ASSERT_TRUE(writeLayoutFile(doc(), file, nullptr));
    ASSERT_EQ(loadLayout(doc(), file, false).status, LoadStatus::Loaded);
    chooseDevice("fenix 7X"); // 280 wide
    dlg->grab();
    ASSERT_TRUE(ui().scaleToDevice->isEnabled());
    click(ui().scaleToDevice);
    EXPECT_EQ(doc().elements()[0].x, 107); // 100 * 280 / 260
    dlg->grab();
    EXPECT_FALSE(ui().scaleToDevice->isEnabled());
}

TEST_F(CommandsTest, LoadAppendSaveAsAndTheClipboardGoThroughTheirCommands) {
    add(KindValue);
    add(KindSeparator);
    const QString file = dir.filePath(QStringLiteral("saved.xml"));
    platform.saveFileNames.push_back(file);
    click(ui().saveAs);
    EXPECT_EQ(platform.saveDialogs, 1);
    ASSERT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(dlg->windowTitle(), titleFor(file));
    EXPECT_FALSE(doc().isModified());

    platform.openFileNames.push_back(file);
    click(ui().append);
    EXPECT_EQ(doc().count(), 4);
    EXPECT_TRUE(doc().isModified());
    // Loading over unsaved changes asks first; No loads without saving.
    platform.answers.push_back(MessageAnswer::No);
    platform.openFileNames.push_back(file);
    click(ui().load);
    EXPECT_EQ(doc().count(), 2);
    EXPECT_EQ(rows().rowCount(), 2);
    EXPECT_FALSE(doc().isModified());

    click(ui().copyToClipboard);
    const QString config = platform.clipboard;
    platform.answers.push_back(MessageAnswer::Yes);
    click(ui().loadFromClipboard);
    EXPECT_EQ(doc().count(), 1); // separators are not carried
    EXPECT_EQ(rows().rowCount(), 1);
    EXPECT_EQ(dlg->windowTitle(), titleFor(QString()));
    EXPECT_EQ(doc().selection(), 0);
    EXPECT_EQ(dlg->elementList().selectedRow(), 0);
    EXPECT_FALSE(config.isEmpty());
}

TEST_F(CommandsTest, ViewCheckBoxesSetThePreviewOptions) {
    const struct {
        QCheckBox* box;
        bool PreviewViewState::*option;
    } boxes[] = {{ui().highlight, &PreviewViewState::highlightSelected},
                 {ui().gradient, &PreviewViewState::showDcGradient},
                 {ui().nightMode, &PreviewViewState::nightMode}};
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.box->text().toStdString());
        click(b.box);
        EXPECT_TRUE(dlg->renderer().viewState().*b.option);
        click(b.box);
        EXPECT_FALSE(dlg->renderer().viewState().*b.option);
    }
}

// --- element list drawing --------------------------------------------------------

TEST_F(CommandsTest, SelectedRowIsABarInItsKindColourWithInverseText) {
    add(KindValue);
    add(KindGraphic);
    add(KindValue);
    click(ui().fixedText);
    ElementListView& list = dlg->elementList();
    const auto rowPixels = [&](int row) {
        const QImage image = list.viewport()->grab().toImage();
        const QRect r = list.visualRect(rows().index(row));
        // The right end of the row holds no text.
        return image.pixelColor(r.right() - 8, r.center().y());
    };
    clickRow(1);
    EXPECT_EQ(rowPixels(1), QColor(0x82, 0, 0));
    EXPECT_EQ(rowPixels(0), list.palette().color(QPalette::Base));
    clickRow(0);
    EXPECT_EQ(rowPixels(0), QColor(0, 0, 0xB4));
    clickRow(2);
    EXPECT_EQ(rowPixels(2), QColor(0, 0, 0)); // fixed text: system colours on black

    // The text of the selected graphic row is drawn in light cyan.
    clickRow(1);
    const QImage image = list.viewport()->grab().toImage();
    const QRect r = list.visualRect(rows().index(1));
    bool inverse = false;
    for (int x = r.left(); x < r.left() + 60 && !inverse; ++x)
        for (int y = r.top(); y <= r.bottom() && !inverse; ++y) {
            const QColor c = image.pixelColor(x, y);
            inverse = c.green() > 200 && c.blue() > 200 && c.red() < 160;
        }
    EXPECT_TRUE(inverse);
}

TEST_F(CommandsTest, ClickBesideEveryRowKeepsTheSelection) {
    add(KindValue);
    add(KindValue);
    ElementListView& list = dlg->elementList();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(10, list.viewport()->height() - 5));
    EXPECT_EQ(doc().selection(), 1);
    EXPECT_EQ(list.selectedRow(), 1);
}

// --- the preview's mouse -------------------------------------------------------------

TEST_F(CommandsTest, ClickOnAnElementPicksItAndHighlightsItWhileHeld) {
    add(KindGraphic);
    choose(ui().graphicKind, QStringLiteral("Rectangle filled"));
    type(ui().x.edit, QStringLiteral("10"));
    type(ui().y.edit, QStringLiteral("10"));
    type(ui().x2.edit, QStringLiteral("50"));
    type(ui().y2.edit, QStringLiteral("50"));
    add(KindValue);
    ASSERT_EQ(doc().selection(), 1);

    const DeviceInfo& d = *doc().device();
    const QPoint onRectangle = preview::screenOrigin(d) + QPoint(30, 30);
    QWidget* area = dlg->templateArea();
    QTest::mouseMove(area, onRectangle);
    EXPECT_EQ(ui().pointer->text(), QStringLiteral("30 / 30"));
    QTest::mousePress(area, Qt::LeftButton, {}, onRectangle);
    EXPECT_EQ(doc().selection(), 0);
    EXPECT_EQ(dlg->elementList().selectedRow(), 0);
    EXPECT_EQ(ui().graphicKind->currentText(), QStringLiteral("Rectangle filled"));
    EXPECT_TRUE(ui().highlight->isChecked());
    EXPECT_TRUE(dlg->renderer().viewState().highlightSelected);
    QTest::mouseRelease(area, Qt::LeftButton, {}, onRectangle);
    EXPECT_FALSE(ui().highlight->isChecked());
    EXPECT_FALSE(dlg->renderer().viewState().highlightSelected);

    // Beside every element: nothing changes.
    const QPoint beside = preview::screenOrigin(d) + QPoint(200, 200);
    QTest::mouseClick(area, Qt::LeftButton, {}, beside);
    EXPECT_EQ(doc().selection(), 0);
    QTest::mouseMove(area, preview::screenOrigin(d) + QPoint(-50, 0));
    EXPECT_EQ(ui().pointer->text(), QStringLiteral("-- / --"));
}

TEST_F(CommandsTest, PaintShowsTheSwatchesOfTheSelectedElement) {
    add(KindValue);
    type(ui().colorEdit, QStringLiteral("FF8000"));
    add(KindDynamicColor);
    type(ui().dcRows[0].value, QStringLiteral("10"));
    type(ui().dcRows[0].colorEdit, QStringLiteral("00FF00"));
    const QImage shot = dlg->templateArea()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(preview::dcSwatchRect(0).center()), QColor(0, 0xFF, 0));
    EXPECT_EQ(shot.pixelColor(preview::dcSwatchRect(1).center()), QColor(0, 0, 0));
    clickRow(0);
    const QImage again = dlg->templateArea()->grab().toImage();
    EXPECT_EQ(again.pixelColor(preview::swatchRect().center()), QColor(0xFF, 0x80, 0));
    // The device screen is black where nothing is drawn.
    const QPoint corner = preview::screenOrigin(*doc().device()) + QPoint(200, 200);
    EXPECT_EQ(again.pixelColor(corner), QColor(0, 0, 0));
}

TEST_F(CommandsTest, ADynamicColourOfAValueWithoutValueTypeIsAnsweredAfterTheCommand) {
    add(KindValue);
    click(ui().fixedText);
    type(ui().text, QStringLiteral("km/h"));
    add(KindDynamicColor);
    type(ui().replaceColorEdit, QStringLiteral("FFFFFF")); // the colour Add gave the value
    clickRow(0);
    const QString warning =
        QStringLiteral("Please select a value type if a dynamic color is used!");
    dlg->grab();
    EXPECT_FALSE(messages().contains(warning)); // never from inside the paint
    QCoreApplication::processEvents();
    EXPECT_EQ(messages().count(warning), 1);
    // The selected value gets the list's second entry, its text kept.
    EXPECT_EQ(element().valueType,
              ValueTypeCatalog::positionByName(catalogs().valueTypes.valueTypes,
                                               ui().valueType->itemText(1)));
    EXPECT_EQ(ui().valueType->currentIndex(), 1);
    EXPECT_EQ(element().text, QStringLiteral("km/h"));
}

// Told once per command that brings such a value, never by a repaint or a
// zoom: a load of a string with one is one command and one message.
TEST_F(CommandsTest, TheValueTypeWarningComesOncePerCommandNeverFromAPaint) {
    chooseDevice("Edge 1030");
    LayoutElement value(KindValue);
    value.fixedText = true;
    value.text = QStringLiteral("km/h");
    value.color = 0x123456;
    LayoutElement dc(KindDynamicColor);
    dc.replaceColor = 0x123456;
    dc.dcValue[0] = 100;
    platform.clipboard = BuildConfigString({value, dc}, catalogs().valueTypes, {});
    platform.answers = {MessageAnswer::Yes};
    platform.messages.clear();
    click(ui().loadFromClipboard);
    QCoreApplication::processEvents();
    const QString warning = PreviewRenderer::dcWarningText();
    EXPECT_EQ(messages().count(warning), 1);

    for (int i = 0; i < 3; ++i) {
        dlg->action(EditorCommand::ZoomIn)->trigger();
        dlg->grab();
        QCoreApplication::processEvents();
    }
    dlg->action(EditorCommand::ActualSize)->trigger();
    dlg->grab();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages().count(warning), 1);
}

// --- keyboard through the real window --------------------------------------------

TEST_F(CommandsTest, ListKeysActOnTheSelectedElement) {
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    add(KindValue);
    add(KindGraphic);
    ElementListView& list = dlg->elementList();
    list.setFocus();
    ASSERT_TRUE(list.hasFocus());

    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_TRUE(element().dayNight);
    EXPECT_TRUE(ui().dayNight->isChecked());

    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&list, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(doc().count(), 3);
    EXPECT_EQ(doc().selection(), 2);
    EXPECT_EQ(rows().rowText(2), QStringLiteral("FFFFFF  | Line"));
    EXPECT_EQ(ui().counts->text(), QStringLiteral("Val:1, Graph:2, DC:0, Total:3"));

    const int x = element().x;
    QTest::keyClick(&list, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(element().x, x + 1);
    EXPECT_EQ(ui().x.edit->text(), QString::number(x + 1));

    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(doc().count(), 2);
    EXPECT_EQ(rows().rowCount(), 2);

    // Up and Down in the list move the selection and the panel follows.
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(doc().selection(), 0);
    EXPECT_TRUE(enabled(ui().precision.edit));
    EXPECT_FALSE(enabled(ui().x2.edit));
}

// --- lifecycle -------------------------------------------------------------------

class LifecycleTest : public WindowTest {};

TEST_F(LifecycleTest, AMissingStartupFileLeavesAnEmptyUntitledLayout) {
    EXPECT_TRUE(doc().fileName().isEmpty());
    EXPECT_EQ(doc().count(), 0);
    EXPECT_EQ(dlg->windowTitle(), titleFor(QString()));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(dlg->randomPool().size(), 1024u);
    // Closing an unchanged layout asks nothing.
    EXPECT_TRUE(dlg->close());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LifecycleTest, CancelKeepsTheWindowOpenAndWritesNoSettings) {
    chooseDevice(HDevice);
    add(KindValue);
    platform.answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(dlg->close());
    EXPECT_TRUE(dlg->isVisible());
    {
        QSettings settings;
        settings.beginGroup(CPellFieldDlg::settingsGroup());
        EXPECT_FALSE(settings.contains(QStringLiteral("last_file")));
        EXPECT_FALSE(settings.contains(QStringLiteral("window_position")));
    }
    // Escape goes through the same question; No closes without saving.
    platform.answers.push_back(MessageAnswer::No);
    QTest::keyClick(&dlg->elementList(), Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(QFileInfo::exists(startFile));
    QSettings settings;
    settings.beginGroup(CPellFieldDlg::settingsGroup());
    EXPECT_TRUE(settings.contains(QStringLiteral("window_position")));
    EXPECT_FALSE(settings.contains(QStringLiteral("last_file")))
        << "an untitled layout has no file to remember";
    EXPECT_EQ(platform.messageTexts().count(QStringLiteral("Do you want to save your changes?")),
              2);
}

TEST_F(LifecycleTest, StoredPositionIsRestoredAtTheFirstShowOnly) {
    dlg->move(40, 30);
    ASSERT_TRUE(dlg->close());
    dlg.reset();

    CPellFieldDlg::resetFirstShow();
    ScriptedPlatform other;
    CPellFieldDlg reopened(other, QStringList{QStringLiteral("zef-designer"), startFile});
    reopened.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&reopened));
    EXPECT_EQ(reopened.frameGeometry().topLeft(), QPoint(40, 30));
    EXPECT_EQ(reopened.templateArea()->size(),
              QSize(CPellFieldDlg::TemplateWidth, CPellFieldDlg::TemplateHeight));
    reopened.hide();
    reopened.move(0, 0);
    reopened.show();
    EXPECT_EQ(reopened.frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_TRUE(reopened.close());
}

TEST_F(LifecycleTest, ALoadedFileNamesItselfInTheTitle) {
    chooseDevice(HDevice);
    add(KindValue);
    const QString file = dir.filePath(QStringLiteral("mine.xml"));
    ASSERT_TRUE(writeLayoutFile(doc(), file, nullptr));
    ScriptedPlatform other;
    CPellFieldDlg loaded(other, QStringList{QStringLiteral("zef-designer"), file});
    EXPECT_EQ(loaded.windowTitle(),
              QStringLiteral("Quennicks ZEF designer v3.8.1 (C) <%1>[*]").arg(file));
    EXPECT_FALSE(loaded.isWindowModified());
    EXPECT_EQ(loaded.document().selection(), 0);
    EXPECT_EQ(loaded.elementList().selectedRow(), 0);
    EXPECT_TRUE(loaded.ui().x.edit->isEnabled());
    EXPECT_EQ(loaded.ui().counts->text(), QStringLiteral("Val:1, Graph:0, DC:0, Total:1"));
}

} // namespace
} // namespace zef::test
