#include "color.h"

#include "catalog/cnumber.h"

namespace zef::color {

QString toHexText(Bgr c) {
    return QString::asprintf("%06X", static_cast<unsigned>(toRgb24(c)));
}

Bgr fromHexText(const QString& text) {
    // The file holds red, green, blue; read as one number they are blue, green, red.
    const QString joined = text.mid(4, 2) + text.mid(2, 2) + text.mid(0, 2);
    return static_cast<Bgr>(cStrtol(joined, 16)) & 0xFFFFFFu;
}

} // namespace zef::color
