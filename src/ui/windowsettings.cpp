#include "windowsettings.h"

#include "cpellfielddlg.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zef {

namespace {

// No screen reaches this far; beyond it rectangle arithmetic could overflow.
constexpr int MaxCoordinate = 1000000;
// How much of the title bar must be on a screen for the window to be dragged.
constexpr int TitleBarHeight = 30;
constexpr int MinVisibleWidth = 50;
constexpr int MinVisibleHeight = 10;

} // namespace

QString lastFileFromSetting(const QVariant& value) {
    if (value.typeId() != QMetaType::QString) return {};
    const QString name = value.toString();
    if (name.size() <= 4) return {};
    // A folder can be neither loaded nor saved to.
    if (QFileInfo(name).isDir()) return {};
    // A relative name (kept by an older designer) meant a file in the working
    // folder of that run, which is not known.
    if (QDir::isRelativePath(name)) return {};
    return name;
}

std::optional<QPoint> windowPositionFromSetting(const QVariant& value, QSize frameSize,
                                                const QList<QRect>& screens) {
    if (value.typeId() != QMetaType::QByteArray) return std::nullopt;
    const auto placement = WindowPlacement::fromBytes(value.toByteArray());
    if (!placement) return std::nullopt;
    const auto inReach = [](std::int32_t c) { return c >= -MaxCoordinate && c <= MaxCoordinate; };
    if (!inReach(placement->left) || !inReach(placement->top)) return std::nullopt;
    // Only the position is restored, never the size.
    const QPoint topLeft(placement->left, placement->top);
    const QRect titleBar(topLeft, QSize(frameSize.width(), TitleBarHeight));
    const int minWidth = std::min(MinVisibleWidth, frameSize.width());
    for (const QRect& screen : screens) {
        const QRect visible = screen.intersected(titleBar);
        if (visible.width() >= minWidth && visible.height() >= MinVisibleHeight) return topLeft;
    }
    return std::nullopt;
}

} // namespace zef
