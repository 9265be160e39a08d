// The layout check in the window: the element list's marks and tooltips, the
// findings line under the preview and its list, the view toggles, the copy
// message, all following the user's edits.

#include "windowtestsupport.h"

#include "common/layoutelements.h"

#include "check/layoutcheck.h"
#include "cli/checkcommand.h"
#include "cli/documentio.h"
#include "preview/previewgeometry.h"
#include "ui/controltooltips.h"
#include "ui/dialogtemplate.h"
#include "ui/findingsline.h"
#include "ui/layoutcheckview.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QTextStream>

#include <set>

namespace zef::test {
namespace {

// A class L device (30 elements) with a rectangular 215 x 180 screen.
const char* const Device = "Forerunner 230";

LayoutElement rectangle(int x, int y, int x2, int y2) {
    return graphicElement(GraphicKind::RectangleFilled, x, y, x2, y2);
}

class LayoutCheckWindowTest : public WindowTest {
protected:
    // A layout with one fault of each kind the check can find without the
    // preview faces (a test window reads no fonts file), and one clean element.
    std::vector<LayoutElement> faultyLayout() {
        const ValueTypeCatalog& types = catalogs().valueTypes;
        LayoutElement arrow(KindGraphic); // class H only
        arrow.setGraphicKind(GraphicKind::DirectionArrow);
        arrow.x = 100;
        arrow.y = 100;
        arrow.radius = 8;
        LayoutElement value(KindValue); // a slot no device offers, a class H value type
        value.font = QStringLiteral("HUGE_NOT_A_SLOT");
        value.valueType = -1;
        for (std::size_t i = 0; i < types.valueTypes.size(); ++i)
            if (types.valueTypes[i].name.startsWith(QLatin1String("(H) ")))
                value.valueType = int(i);
        EXPECT_GE(value.valueType, 0);
        value.x = 50;
        value.y = 140;
        // With its sample reading and pattern, as the designer saves a value.
        valueElementText(value, TextMode::Preview, types);
        LayoutElement dc(KindDynamicColor); // replaces a colour nothing has
        dc.replaceColor = 0x123456;
        dc.dcValue[0] = 100;
        return {rectangle(10, 10, 100, 30),
                rectangle(180, 50, 240, 60),
                rectangle(300, 100, 320, 120),
                arrow,
                value,
                dc};
    }

    // Writes a layout file for Device, as another session of the designer would.
    QString layoutFile(const std::vector<LayoutElement>& elements) {
        ScriptedPlatform writer;
        LayoutDocument document(catalogs(), writer);
        document.replaceLayout(elements, catalogs().devices.findDeviceByName(QLatin1String(Device)),
                               QString());
        const QString path = dir.filePath(QStringLiteral("faulty.xml"));
        QString error;
        EXPECT_TRUE(writeLayoutFile(document, path, &error)) << error.toStdString();
        return path;
    }

    // The user loads a file with the Load button; the check runs once the
    // load is over.
    void load(const QString& path) {
        platform.openFileNames = {path};
        click(ui().load);
        settle();
    }
    static void settle() { QCoreApplication::processEvents(); }

    LayoutCheckView& check() { return dlg->layoutCheck(); }
    FindingsLine& line() { return *check().findingsLine(); }

    // Every row's findings, in list order.
    QStringList rowFindings() {
        QStringList lines;
        for (int row = 0; row < rows().rowCount(); ++row) lines << rows().rowFindings(row);
        return lines;
    }

    // What "zef-designer --check FILE" prints, with the catalogs the window uses.
    QStringList checkCommand(const QString& path, int* status) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        *status = checkLayoutFile(catalogs(), path, std::nullopt, outStream, errStream);
        return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(LayoutCheckWindowTest, ListShowsWhatTheCheckCommandPrints) {
    const QString path = layoutFile(faultyLayout());
    load(path);
    ASSERT_EQ(doc().count(), 6);

    int status = 0;
    const QStringList printed = checkCommand(path, &status);
    EXPECT_EQ(status, CheckFoundSomething);
    EXPECT_EQ(rowFindings(), printed);
    // Each kind the layout was made with is found, the clean rectangle is not.
    std::set<QString> kinds;
    for (const Finding& f : check().findings()) kinds.insert(findingKindName(f.kind));
    EXPECT_EQ(kinds,
              (std::set<QString>{"off-screen", "clipped", "font", "value type", "dynamic colour"}));
    EXPECT_TRUE(rows().rowFindings(0).isEmpty());

    for (int row = 0; row < rows().rowCount(); ++row) {
        const QModelIndex index = rows().index(row);
        const QStringList findings = rows().rowFindings(row);
        const QString tip = index.data(Qt::ToolTipRole).toString();
        const QIcon mark = index.data(Qt::DecorationRole).value<QIcon>();
        // The row's text and where the element is, then its findings.
        const QString rowTip =
            elementToolTip(doc().elements()[static_cast<std::size_t>(row)], rows().rowText(row));
        if (findings.isEmpty()) {
            EXPECT_EQ(tip, rowTip) << row;
            EXPECT_TRUE(mark.isNull()) << row;
        } else {
            EXPECT_EQ(tip, rowTip + QLatin1Char('\n') + findings.join('\n')) << row;
            EXPECT_FALSE(mark.isNull()) << row;
        }
    }

    const std::size_t count = check().findings().size();
    EXPECT_EQ(line().text(), QStringLiteral("%1 findings").arg(count));
    // Every finding with an area is outlined on the preview.
    std::vector<QRectF> areas;
    for (const Finding& f : check().findings())
        if (!f.area.isNull()) areas.push_back(f.area);
    EXPECT_FALSE(areas.empty());
    EXPECT_EQ(dlg->renderer().viewState().outlines, areas);
}

TEST_F(LayoutCheckWindowTest, FindingsFollowEditsUndoAndTheDevice) {
    // The second rectangle lies beyond the 215-pixel wide screen.
    load(layoutFile({rectangle(10, 10, 100, 30), rectangle(230, 100, 250, 120)}));
    EXPECT_EQ(line().text(), QStringLiteral("1 finding"));
    ASSERT_EQ(rows().rowFindings(1).size(), 1);

    // Undo builds the rows anew: the marks are back even where the findings
    // are the same as before the undone step.
    clickRow(0);
    type(ui().x.edit, QStringLiteral("20"));
    settle();
    doc().undo();
    settle();
    EXPECT_EQ(rows().rowFindings(1).size(), 1);

    clickRow(1);
    click(ui().remove);
    settle();
    EXPECT_EQ(line().text(), QStringLiteral("No findings"));
    EXPECT_TRUE(dlg->renderer().viewState().outlines.empty());

    doc().undo();
    settle();
    ASSERT_EQ(doc().count(), 2);
    EXPECT_EQ(line().text(), QStringLiteral("1 finding"));
    EXPECT_EQ(rows().rowFindings(1).size(), 1);
    EXPECT_TRUE(rows().rowFindings(0).isEmpty());

    // The check is made on the selected device: the 282 pixels of an Edge
    // take the rectangle.
    chooseDevice("Edge 1030");
    settle();
    EXPECT_EQ(line().text(), QStringLiteral("No findings"));
    chooseDevice(Device);
    settle();
    EXPECT_EQ(line().text(), QStringLiteral("1 finding"));

    // The rectangle moved onto the screen, keystroke by keystroke.
    clickRow(1);
    type(ui().x.edit, QStringLiteral("130"));
    type(ui().x2.edit, QStringLiteral("150"));
    settle();
    EXPECT_EQ(line().text(), QStringLiteral("No findings"));
    EXPECT_TRUE(rowFindings().isEmpty());
    EXPECT_TRUE(dlg->renderer().viewState().outlines.empty());
}

TEST_F(LayoutCheckWindowTest, TheLineListsTheFindingsAndChoosingOneSelectsItsElement) {
    load(layoutFile(faultyLayout()));
    const std::vector<Finding> findings = check().findings();
    ASSERT_GE(findings.size(), 3u);

    QTest::mouseClick(&line(), Qt::LeftButton);
    QMenu* menu = line().findingsMenu();
    ASSERT_TRUE(menu->isVisible());
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), qsizetype(findings.size()));
    for (std::size_t i = 0; i < findings.size(); ++i)
        EXPECT_EQ(entries[qsizetype(i)]->text(), findingLine(findings[i]));

    // The third finding's element, which is not the selected one.
    const Finding& chosen = findings[2];
    ASSERT_NE(doc().selection(), chosen.element);
    entries[2]->trigger();
    menu->close();
    EXPECT_EQ(doc().selection(), chosen.element);
    EXPECT_EQ(dlg->elementList().selectedRow(), chosen.element);
    EXPECT_EQ(ui().x.edit->text(),
              QString::number(doc().elements()[std::size_t(chosen.element)].x));

    // Without findings the line lists nothing.
    load(layoutFile({rectangle(10, 10, 100, 30)}));
    EXPECT_EQ(line().text(), QStringLiteral("No findings"));
    QTest::mouseClick(&line(), Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(LayoutCheckWindowTest, TogglesSetTheViewAndFollowTheirActions) {
    load(layoutFile(faultyLayout()));
    QAction* outlines = check().outlinesAction();
    QAction* widest = check().widestValuesAction();
    const PreviewViewState& view = dlg->renderer().viewState();
    ASSERT_TRUE(outlines->isCheckable() && widest->isCheckable());
    EXPECT_TRUE(outlines->isChecked());
    EXPECT_FALSE(widest->isChecked());
    const std::vector<QRectF> shown = view.outlines;
    ASSERT_FALSE(shown.empty());
    EXPECT_FALSE(view.widestValues);

    // By the check boxes beside the findings line, and the window repaints...
    settle();
    const QImage painted = dlg->renderer().clientImage().copy();
    click(check().outlinesBox());
    EXPECT_FALSE(outlines->isChecked());
    EXPECT_TRUE(view.outlines.empty());
    settle();
    EXPECT_NE(dlg->renderer().clientImage(), painted);
    click(check().widestValuesBox());
    EXPECT_TRUE(widest->isChecked());
    EXPECT_TRUE(view.widestValues);

    // ... and by the actions, as a menu would: the boxes follow.
    outlines->trigger();
    EXPECT_TRUE(check().outlinesBox()->isChecked());
    EXPECT_EQ(view.outlines, shown);
    widest->trigger();
    EXPECT_FALSE(check().widestValuesBox()->isChecked());
    EXPECT_FALSE(view.widestValues);

    // Hidden outlines stay hidden while the findings change: the off-screen
    // rectangle stretched onto the screen is cut off instead.
    outlines->trigger();
    const std::vector<Finding> before = check().findings();
    clickRow(2);
    type(ui().x.edit, QStringLiteral("20"));
    settle();
    EXPECT_NE(check().findings(), before);
    EXPECT_TRUE(view.outlines.empty());
}

TEST_F(LayoutCheckWindowTest, CopyMessageCountsTheFindings) {
    const QString copied = QStringLiteral("Config string copied to clipboard.");
    chooseDevice(Device);
    click(ui().copyToClipboard);
    EXPECT_EQ(messages(), QStringList{copied});

    load(layoutFile(faultyLayout()));
    const std::size_t count = check().findings().size();
    platform.messages.clear();
    click(ui().copyToClipboard);
    EXPECT_EQ(messages(),
              QStringList{copied + QStringLiteral(" The layout check has %1 findings for this "
                                                  "device (listed under the preview).")
                                       .arg(count)});
    EXPECT_TRUE(platform.clipboard.startsWith(QLatin1Char('C')));

    // A change copied before the check has had its turn is counted as well.
    clickRow(2);
    type(ui().x.edit, QStringLiteral("20"));
    type(ui().x2.edit, QStringLiteral("40"));
    platform.messages.clear();
    click(ui().copyToClipboard);
    EXPECT_EQ(messages(),
              QStringList{copied + QStringLiteral(" The layout check has %1 findings for this "
                                                  "device (listed under the preview).")
                                       .arg(count - 1)});
}

TEST_F(LayoutCheckWindowTest, TheBandUnderThePreviewCoversNoControlAndNoPreviewPixel) {
    const QWidget* band[] = {&line(), check().outlinesBox(), check().widestValuesBox()};
    std::vector<QRect> taken{preview::area()};
    for (const ControlTemplate& t : designerTemplate())
        if (t.kind != ControlKind::GroupBox)
            taken.push_back(dialogUnitsToPixels(t.left, t.top, t.width, t.height));
    for (std::size_t i = 0; i < std::size(band); ++i) {
        const QRect r = band[i]->geometry();
        EXPECT_TRUE(band[i]->isVisible()) << i;
        EXPECT_TRUE(dlg->rect().contains(r)) << i;
        EXPECT_GE(r.top(), preview::area().bottom() + 1) << i;
        for (const QRect& t : taken) EXPECT_FALSE(r.intersects(t)) << i;
        for (std::size_t j = i + 1; j < std::size(band); ++j)
            EXPECT_FALSE(r.intersects(band[j]->geometry())) << i << " and " << j;
    }
}

} // namespace
} // namespace zef::test
