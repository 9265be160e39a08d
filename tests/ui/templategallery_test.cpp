// File > New from template: the gallery shows what the preview draws for each
// starter layout offered on the device, and the one chosen becomes the layout.

#include "windowtestsupport.h"

#include "templates/starterlayouts.h"
#include "ui/layoutcheckview.h"
#include "ui/templategallery.h"

#include <QAction>
#include <QListWidget>

namespace zef::test {
namespace {

class TemplateGalleryTest : public WindowTest {};

// The share of a thumbnail's pixels that differ from its corner: a drawn
// device, not an empty picture.
double drawnShare(const QImage& image) {
    const QRgb corner = image.pixel(0, 0);
    qint64 drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != corner;
    return double(drawn) / double(qint64(image.width()) * image.height());
}

TEST_F(TemplateGalleryTest, ShowsEveryOfferedTemplateDrawnOnTheDevice) {
    for (const char* name : {"fenix 7", "Edge 1050"}) {
        SCOPED_TRACE(name);
        const int device = catalogs().devices.findDeviceByName(QString::fromLatin1(name));
        TemplateGallery gallery(catalogs(), device);
        StarterLayouts starters(catalogs());
        const auto offered = starters.offeredOn(catalogs().devices.at(device));
        ASSERT_GE(offered.size(), 3u);
        ASSERT_EQ(gallery.offered(), offered);
        ASSERT_EQ(gallery.list().count(), int(offered.size()));
        for (int i = 0; i < gallery.list().count(); ++i) {
            const QIcon icon = gallery.list().item(i)->icon();
            ASSERT_FALSE(icon.isNull());
            const QImage image = TemplateGallery::thumbnail(
                catalogs(), device, *starters.layout(*offered[i], catalogs().devices.at(device)));
            EXPECT_EQ(image.height(), TemplateGallery::ThumbnailHeight);
            EXPECT_GT(drawnShare(image), 0.2);
        }
        gallery.list().setCurrentRow(1);
        EXPECT_EQ(gallery.chosen(), offered[1]);
        ASSERT_TRUE(gallery.chosenLayout().has_value());
        EXPECT_TRUE(isSameLayout(*gallery.chosenLayout(),
                                 *starters.layout(*offered[1], catalogs().devices.at(device))));
    }
}

// The chosen layout replaces the layout after the question about unsaved
// changes, untitled and on the same device; one undo-free start as a load is.
TEST_F(TemplateGalleryTest, TheChosenLayoutBecomesAnUntitledLayout) {
    chooseDevice("fenix 7");
    add(KindValue); // unsaved work
    const int device = doc().selectedDevice();
    StarterLayouts starters(catalogs());
    const auto offered = starters.offeredOn(catalogs().devices.at(device));
    const ElementVector layout = *starters.layout(*offered.front(), catalogs().devices.at(device));

    platform.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(dlg->startFromTemplate(layout));
    EXPECT_EQ(doc().count(), 1);

    platform.answers = {MessageAnswer::No};
    EXPECT_TRUE(dlg->startFromTemplate(layout));
    EXPECT_EQ(doc().count(), int(layout.size()));
    EXPECT_EQ(doc().selectedDevice(), device);
    EXPECT_TRUE(doc().fileName().isEmpty());
    EXPECT_EQ(dlg->windowTitle(), titleFor(QString()));
    EXPECT_TRUE(dlg->layoutCheck().findings().empty());

    // The command shows the gallery for the selected device and starts from
    // the layout chosen there.
    doc().newLayout();
    int asked = 0;
    CPellFieldDlg::setTemplateChooser([&](const Catalogs&, int shown, QWidget*) {
        ++asked;
        EXPECT_EQ(shown, device);
        return std::optional<ElementVector>(layout);
    });
    QTest::keyClick(dlg.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(doc().count(), int(layout.size()));
    EXPECT_FALSE(dlg->isWindowModified());
}

} // namespace
} // namespace zef::test
