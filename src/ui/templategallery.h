#pragma once

#include "model/layoutelement.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class QListWidget;

namespace zef {

struct Catalogs;
struct DeviceInfo;
class StarterLayouts;
struct StarterTemplate;

// File > New from template: the starter layouts offered on a device, each
// shown as the preview draws it on that device, to start a layout from.
class TemplateGallery : public QDialog {
    Q_OBJECT
public:
    // Thumbnails are this high (the device picture with the layout).
    static constexpr int ThumbnailHeight = 220;

    TemplateGallery(const Catalogs& catalogs, int device, QWidget* parent = nullptr);
    ~TemplateGallery() override;

    // The templates shown, in the order of the list.
    const std::vector<const StarterTemplate*>& offered() const { return m_offered; }
    QListWidget& list() const { return *m_list; }
    // The template chosen (the current one of the list), or nullptr.
    const StarterTemplate* chosen() const;
    // The chosen template's layout on the device.
    std::optional<ElementVector> chosenLayout() const;

    // The starter layout drawn by the preview on the device, scaled to the
    // thumbnail height.
    static QImage thumbnail(const Catalogs& catalogs, int device, const ElementVector& layout);

private:
    const Catalogs& m_catalogs;
    int m_device;
    std::unique_ptr<StarterLayouts> m_starters;
    std::vector<const StarterTemplate*> m_offered;
    std::vector<ElementVector> m_layouts;
    QListWidget* m_list = nullptr;
};

} // namespace zef
