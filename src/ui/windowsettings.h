#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVariant>

#include <optional>

namespace zef {

// The two per-user settings as read at start-up. Whatever the settings store
// holds (a damaged file, a value of another type, a stale path), these give
// either a usable value or nothing, and the window then keeps its defaults.

// "last_file": the named file, or an empty text when the value is missing,
// not a text, 4 characters or fewer, or names a folder. A file that no longer
// exists is still named: the window starts empty and Save writes there.
QString lastFileFromSetting(const QVariant& value);

// "window_position": where a window of the given frame size goes, that is the
// stored top-left corner; nothing when the value is not a placement record of
// at least 44 bytes or when the window's title bar would not be reachable on
// any of the screens (available geometries).
std::optional<QPoint> windowPositionFromSetting(const QVariant& value, QSize frameSize,
                                                const QList<QRect>& screens);

} // namespace zef
