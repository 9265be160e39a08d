// Tooltips on every control, drop-down lists that fit, and new elements that
// show on the preview.

#include "windowtestsupport.h"

#include "preview/previewgeometry.h"
#include "ui/dialogtemplate.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace zef::test {
namespace {

class ToolTipTest : public WindowTest {};

TEST_F(ToolTipTest, EveryControlOfTheTemplateSaysWhatItDoes) {
    chooseDevice("fenix 7");
    int controls = 0;
    for (QWidget* w : dlg->templateArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QGroupBox*>(w)) continue;   // frames
        if (qobject_cast<QScrollBar*>(w)) continue; // the preview's, when zoomed
        if (w->isHidden()) continue;                 // (and the corner between them)
        ++controls;
        EXPECT_FALSE(w->toolTip().isEmpty())
            << w->metaObject()->className() << " at " << w->x() << "," << w->y();
    }
    EXPECT_GT(controls, 120);

    // Units, keys and the columns' meanings.
    const auto labelTip = [this](const char* text) {
        for (QLabel* l : dlg->templateArea()->findChildren<QLabel*>())
            if (l->text() == QString::fromUtf8(text)) return l->toolTip();
        return QString();
    };
    EXPECT_TRUE(labelTip("Value (*10)").contains(QStringLiteral("times ten")));
    EXPECT_TRUE(labelTip("B").contains(QStringLiteral("blink")));
    EXPECT_TRUE(labelTip("H").contains(QStringLiteral("hide")));
    EXPECT_TRUE(labelTip("Valuetype ").contains(QStringLiteral("\"(M)\"")));
    EXPECT_TRUE(ui().x.edit->toolTip().contains(QStringLiteral("pixels")));
    EXPECT_TRUE(ui().x.edit->toolTip().contains(QStringLiteral("Ctrl+Left")));
    EXPECT_TRUE(ui().save->toolTip().contains(QStringLiteral("Ctrl+S")));
    EXPECT_TRUE(ui().copyToClipboard->toolTip().contains(QStringLiteral("Ctrl+B")));

    // Each font slot: its device font and pixel size on this device.
    ASSERT_GT(ui().font->count(), 0);
    const QString slotTip = ui().font->itemData(0, Qt::ToolTipRole).toString();
    EXPECT_TRUE(slotTip.startsWith(ui().font->itemText(0))) << slotTip.toStdString();
    EXPECT_TRUE(slotTip.contains(QStringLiteral(" px "))) << slotTip.toStdString();

    // A row of the element list: where the element is and how large.
    add(KindGraphic);
    const QString rowTip = rows().data(rows().index(0), Qt::ToolTipRole).toString();
    const LayoutElement& e = element();
    EXPECT_TRUE(rowTip.startsWith(rows().rowText(0)));
    EXPECT_TRUE(rowTip.contains(QStringLiteral("From x %1, y %2 to x %3, y %4: %5 x %6 px")
                                    .arg(e.x)
                                    .arg(e.y)
                                    .arg(e.x2)
                                    .arg(e.y2)
                                    .arg(e.x2 - e.x)
                                    .arg(e.y2 - e.y)))
        << rowTip.toStdString();
}

// --- drop-down lists ---------------------------------------------------------------

class DropDownTest : public WindowTest {};

TEST_F(DropDownTest, ListsOpenAsScrollingListsAndNoLabelIsCut) {
    chooseDevice("fenix 7"); // the high class: every entry is offered
    add(KindGraphic);
    for (QComboBox* box : {ui().deviceList, ui().valueType, ui().graphicKind, ui().elementKind,
                           ui().font, ui().alignment}) {
        // Device names are data, and a few are longer than the list is wide:
        // the open list shows them whole.
        const bool closedMayCut = box == ui().deviceList;
        SCOPED_TRACE(box->itemText(0).toStdString());
        // A list of about 20 rows that scrolls, not a menu covering the screen.
        EXPECT_EQ(box->style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, box), 0);
        EXPECT_EQ(box->maxVisibleItems(), 20);
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.rect = box->rect();
        const int room =
            box->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
                .width();
        const QRect popup = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxListBoxPopup, box);
        for (int i = 0; i < box->count(); ++i) {
            const int text = box->fontMetrics().horizontalAdvance(box->itemText(i));
            if (!closedMayCut) {
                EXPECT_LE(text + 2, room) << box->itemText(i).toStdString();
            }
            EXPECT_LE(text, popup.width()) << box->itemText(i).toStdString();
        }
    }
    // The value types' list, open: 20 rows high at most.
    choose(ui().graphicKind, QStringLiteral("(H) Graph right/bottom"));
    QComboBox* types = ui().valueType;
    types->showPopup();
    const QAbstractItemView* view = types->view();
    EXPECT_LE(view->height(), 21 * view->sizeHintForRow(0) + 2 * view->frameWidth() + 4);
    EXPECT_GE(view->height(), 15 * view->sizeHintForRow(0));
    types->hidePopup();

    // Check boxes with the graph's longer captions.
    EXPECT_EQ(ui().fixedText->text(), QStringLiteral("Limit is minimum value"));
    const auto checkBoxesFit = [this] {
        for (QCheckBox* box : dlg->templateArea()->findChildren<QCheckBox*>())
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    };
    checkBoxesFit();
    add(KindValue); // "Fixed text", "Display max. value only"
    checkBoxesFit();
}

TEST_F(DropDownTest, GroupCaptionsKeepAGapFromTheFrame) {
    QGroupBox* properties = nullptr;
    for (QGroupBox* box : dlg->templateArea()->findChildren<QGroupBox*>())
        if (box->title() == QStringLiteral("Properties")) properties = box;
    ASSERT_NE(properties, nullptr);
    QStyleOptionGroupBox option;
    option.initFrom(properties);
    option.text = properties->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label = properties->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                            QStyle::SC_GroupBoxLabel, properties);
    const QRect frame = properties->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                            QStyle::SC_GroupBoxFrame, properties);
    // Set in from the left edge, the top line running through the caption.
    EXPECT_GE(label.left() - frame.left(), 4);
    EXPECT_GT(frame.top(), label.top());
    EXPECT_LT(frame.top(), label.bottom());
    // The caption's text has room on both sides within its break of the line.
    EXPECT_GE(label.width(), properties->fontMetrics().horizontalAdvance(option.text) + 4);
}

// --- Add puts the element where the user looks ---------------------------------------

struct VisibleAddCase {
    const char* device;
    ElementKind kind;
};

class VisibleAddTest : public WindowTest, public ::testing::WithParamInterface<VisibleAddCase> {};

TEST_P(VisibleAddTest, AddedElementShowsInTheMiddleOfTheScreen) {
    const VisibleAddCase& c = GetParam();
    chooseDevice(c.device);
    const DeviceInfo& d = *doc().device();
    const QPoint middle = preview::screenOrigin(d) + QPoint(d.screenWidth / 2, d.screenHeight / 2);
    // Around the middle, a tenth of the screen each way.
    const QRect around(middle - QPoint(d.screenWidth / 10, d.screenHeight / 10),
                       QSize(d.screenWidth / 5, d.screenHeight / 5));
    const auto brightPixels = [&] {
        const QImage shot = dlg->templateArea()->grab().toImage();
        int n = 0;
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x)
                if (qGray(shot.pixel(x, y)) > 160) ++n;
        return n;
    };
    EXPECT_EQ(brightPixels(), 0) << "the empty screen is black";
    add(c.kind);
    EXPECT_EQ(doc().selection(), 0);
    EXPECT_GT(brightPixels(), 20);
}

INSTANTIATE_TEST_SUITE_P(RectangularAndRound, VisibleAddTest,
                         ::testing::Values(VisibleAddCase{"Edge 1030", KindValue},
                                           VisibleAddCase{"Edge 1030", KindGraphic},
                                           VisibleAddCase{"fenix 7", KindValue},
                                           VisibleAddCase{"fenix 7", KindGraphic}));

} // namespace
} // namespace zef::test
