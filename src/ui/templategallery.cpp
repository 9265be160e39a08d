#include "templategallery.h"

#include "catalog/catalogs.h"
#include "cli/consoleplatform.h"
#include "model/layoutdocument.h"
#include "preview/previewrenderer.h"
#include "preview/randompool.h"
#include "templates/starterlayouts.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTextStream>
#include <QVBoxLayout>

namespace zef {

TemplateGallery::TemplateGallery(const Catalogs& catalogs, int device, QWidget* parent)
    : QDialog(parent), m_catalogs(catalogs), m_device(device),
      m_starters(std::make_unique<StarterLayouts>(catalogs)) {
    const DeviceInfo& d = catalogs.devices.at(device);
    setWindowTitle(QStringLiteral("New from template"));

    m_list = new QListWidget(this);
    m_list->setViewMode(QListView::IconMode);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setWordWrap(true);
    m_list->setSpacing(8);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    int widest = 0;
    for (const StarterTemplate* starter : m_starters->offeredOn(d)) {
        std::optional<ElementVector> layout = m_starters->layout(*starter, d);
        if (!layout) continue;
        const QImage image = thumbnail(catalogs, device, *layout);
        widest = std::max(widest, image.width());
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(image)),
                                         QString::fromUtf8(starter->description), m_list);
        item->setToolTip(QStringLiteral("%1: %2").arg(QLatin1String(starter->name),
                                                      QString::fromUtf8(starter->description)));
        m_offered.push_back(starter);
        m_layouts.push_back(std::move(*layout));
    }
    m_list->setIconSize(QSize(widest, ThumbnailHeight));
    m_list->setGridSize(QSize(std::max(widest, 160) + 24, ThumbnailHeight + 64));
    if (m_list->count() > 0) m_list->setCurrentRow(0);

    auto* caption = new QLabel(
        QStringLiteral("Starter layouts for \"%1\", made for its screen and fonts; each passes the "
                       "layout check. The layout you choose is untitled until you save it.")
            .arg(d.name),
        this);
    caption->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Start from this layout"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(m_list->count() > 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    // Three thumbnails side by side where the screen has room.
    resize(std::min(3 * (std::max(widest, 160) + 24) + 60, 1000), ThumbnailHeight + 200);
}

TemplateGallery::~TemplateGallery() = default;

const StarterTemplate* TemplateGallery::chosen() const {
    const int row = m_list->currentRow();
    return row >= 0 && row < int(m_offered.size()) ? m_offered[std::size_t(row)] : nullptr;
}

std::optional<ElementVector> TemplateGallery::chosenLayout() const {
    const int row = m_list->currentRow();
    if (row < 0 || row >= int(m_layouts.size())) return std::nullopt;
    return m_layouts[std::size_t(row)];
}

QImage TemplateGallery::thumbnail(const Catalogs& catalogs, int device,
                                  const ElementVector& layout) {
    // A template's layout asks nothing; whatever it might say goes nowhere.
    QString unheard;
    QTextStream nowhere(&unheard);
    ConsolePlatform platform(nowhere);
    LayoutDocument document(catalogs, platform);
    document.replaceLayout(layout, device, QString());
    document.setSelection(-1);
    PreviewRenderer renderer(document);
    renderer.viewState().randomPool = classicRandomPool();
    const QImage image = renderer.RenderPreviewImage();
    return image.scaledToHeight(ThumbnailHeight, Qt::SmoothTransformation);
}

} // namespace zef
