#include "devicefonts.h"

#include "cnumber.h"

#include "devicefonttable.h"

#include <QFile>
#include <QStringView>

#include <algorithm>
#include <limits>

namespace zef {

namespace {

constexpr const char* SlotNameTable[] = {
    "XTINY",     "TINY",        "SMALL",    "MEDIUM",        "LARGE",   "NR_MILD",  "NR_MEDIUM",
    "NR_HOT",    "NR_THAI_HOT", "S_XTINY",  "S_TINY",        "S_SMALL", "S_MEDIUM", "S_LARGE",
    "S_NR_MILD", "S_NR_MEDIUM", "S_NR_HOT", "S_NR_THAI_HOT", "GLANCE",  "GLANCENR",
};
constexpr int BaseSlotCount = 9;
constexpr int GlanceSlot = 18;

// Steelfish is imitated by Bebas Neue, the closest freely packaged condensed
// display face: tall, narrow capitals and digits of even stroke.
const std::vector<FaceFile> FaceFileTable = {
    {"IDR_FNT_ROBOTO_COND_BOLD", 232, "Roboto Condensed", "Bold",
     ":/faces/RobotoCondensed-Bold.ttf", "Roboto Condensed", "Bold"},
    {"IDR_FNT_ROBOTO_COND_REG", 233, "Roboto Condensed", "Regular",
     ":/faces/RobotoCondensed-Regular.ttf", "Roboto Condensed", "Regular"},
    {"IDR_FNT_STEELFISH_BOLD", 236, "Steelfish", "Bold", ":/faces/BebasNeue-Bold.otf", "Bebas Neue",
     "Bold"},
    {"IDR_FNT_STEELFISH_REG", 237, "Steelfish", "Regular", ":/faces/BebasNeue-Regular.otf",
     "Bebas Neue", "Regular"},
    {"IDR_FNT_BEBASNEUE_REG", 238, "Bebas Neue", "Regular", ":/faces/BebasNeue-Regular.otf",
     "Bebas Neue", "Regular"},
    {"IDR_FNT_DEJAVUSANS", 239, "DejaVu Sans", "Book", ":/faces/DejaVuSans.ttf", "DejaVu Sans",
     "Book"},
    {"IDR_FNT_DEJAVUSANS_BOLD", 240, "DejaVu Sans", "Bold", ":/faces/DejaVuSans-Bold.ttf",
     "DejaVu Sans", "Bold"},
    {"IDR_FNT_DEJAVUSANS_COND", 241, "DejaVu Sans Condensed", "Book",
     ":/faces/DejaVuSansCondensed.ttf", "DejaVu Sans", "Condensed"},
    {"IDR_FNT_DEJAVUSANS_COND_BOLD", 242, "DejaVu Sans Condensed", "Bold",
     ":/faces/DejaVuSansCondensed-Bold.ttf", "DejaVu Sans", "Condensed Bold"},
};

bool isNineSlotDevice(const char* name) {
    const auto devices = nineSlotDevices();
    return std::any_of(devices.begin(), devices.end(),
                       [name](const char* device) { return qstrcmp(device, name) == 0; });
}

// Which lines of the fonts file hold an entry: a device font name near the start,
// or one of the font names that do not begin with "FNT_" anywhere.
bool isFaceLine(QStringView line) {
    if (line.left(10).contains(u"FNT_")) return true;
    for (const char16_t* family :
         {u"Roboto", u"Yantramanav-Regular", u"DejaVuSans_Cd_SemiBold_WGL4", u"Garmin_Roboto_Bold"})
        if (line.contains(family)) return true;
    return false;
}

} // namespace

const std::vector<FaceFile>& faceFiles() {
    return FaceFileTable;
}

const FaceFile* faceFileById(std::int32_t faceId) {
    for (const FaceFile& face : FaceFileTable)
        if (face.faceId == faceId) return &face;
    return nullptr;
}

std::int32_t faceIdForResourceName(const QString& resourceName) {
    for (const FaceFile& face : FaceFileTable)
        if (resourceName == QLatin1String(face.resourceName)) return face.faceId;
    return 0;
}

const QStringList& DeviceFonts::slotNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const char* slot : SlotNameTable) list.append(QString::fromLatin1(slot));
        return list;
    }();
    return names;
}

void DeviceFonts::buildDeviceFonts() {
    const QStringList& names = slotNames();
    m_deviceFonts.clear();
    for (const BaseFontRow& row : baseFontRows()) {
        for (const char* device : row.devices) {
            auto& fonts = m_deviceFonts[QString::fromUtf8(device)];
            const bool withShortSlots = !isNineSlotDevice(device);
            for (int i = 0; i < BaseSlotCount; ++i) {
                const QString font = QString::fromLatin1(row.fonts[static_cast<std::size_t>(i)]);
                fonts[names[i]] = font;
                if (withShortSlots) fonts[names[BaseSlotCount + i]] = font;
            }
        }
    }
    for (const GlanceFontRow& row : glanceFontRows()) {
        for (const char* device : row.devices) {
            auto& fonts = m_deviceFonts[QString::fromUtf8(device)];
            fonts[names[GlanceSlot]] = QString::fromLatin1(row.fonts[0]);
            fonts[names[GlanceSlot + 1]] = QString::fromLatin1(row.fonts[1]);
        }
    }
    for (const SlotFontException& exception : slotFontExceptions())
        m_deviceFonts[QString::fromUtf8(exception.device)][QString::fromLatin1(exception.slot)] =
            QString::fromLatin1(exception.font);
}

bool DeviceFonts::loadPreviewFaces(const QString& path) {
    m_faces.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray bytes = file.readAll();
    // An editor's byte order mark would otherwise become part of the first font name.
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    parsePreviewFaces(QString::fromUtf8(bytes));
    return true;
}

void DeviceFonts::parsePreviewFaces(const QString& content) {
    m_faces.clear();
    for (QStringView line : QStringView(content).tokenize(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (!isFaceLine(line)) continue;

        QString compact = line.toString();
        compact.remove(u' ');
        qsizetype separators[6];
        qsizetype from = 0;
        int found = 0;
        for (; found < 6; ++found) {
            const qsizetype at = compact.indexOf(u';', from);
            if (at < 0) break;
            separators[found] = at;
            from = at + 1;
        }
        if (found < 6) continue;

        const QStringView text(compact);
        const auto field = [&](int n) { // fields 2 to 6, between consecutive separators
            return text.mid(separators[n - 2] + 1, separators[n - 1] - separators[n - 2] - 1);
        };
        const QStringView name = text.left(separators[0]);
        // An entry without a name would give a face to every slot a device lacks.
        if (name.isEmpty()) continue;
        QStringView last = text.mid(separators[5] + 1);
        if (const qsizetype comment = last.indexOf(u'/'); comment >= 0) last = last.left(comment);

        // Clamped to what no device needs to exceed: a size of 100000 would
        // take gigabytes and minutes to render, an offset near the 32-bit limit
        // would overflow the text position.
        const auto size = [](QStringView f) {
            return std::clamp(cStrtol(f), 0, PreviewFace::MaxPixelSize);
        };
        const auto offset = [](QStringView f) {
            return std::clamp(cStrtol(f), -PreviewFace::MaxOffset, PreviewFace::MaxOffset);
        };
        PreviewFace face;
        face.faceId = faceIdForResourceName(field(2).toString());
        face.pixelSize = size(field(3));
        face.offsetLeft = offset(field(4));
        face.offsetCenter = offset(field(5));
        face.offsetRight = offset(field(6));
        face.offsetY = offset(last);
        m_faces.insert_or_assign(name.toString(), face);
    }
}

QString DeviceFonts::fontNameFor(const QString& deviceName, const QString& slot) const {
    const auto device = m_deviceFonts.find(deviceName);
    if (device == m_deviceFonts.end()) return {};
    const auto font = device->second.find(slot);
    return font == device->second.end() ? QString() : font->second;
}

PreviewFace DeviceFonts::faceFor(const QString& fontName) const {
    const auto face = m_faces.find(fontName);
    return face == m_faces.end() ? PreviewFace{} : face->second;
}

QStringList DeviceFonts::offeredFontSlots(const DeviceInfo& device,
                                          const QStringList& fontSlots) const {
    QStringList offered;
    const auto fonts = m_deviceFonts.find(device.name);
    if (fonts == m_deviceFonts.end()) return offered;
    const qsizetype last = std::min<qsizetype>({device.maxFontSlot, fontSlots.size() - 1, 19});
    for (qsizetype i = 0; i <= last; ++i)
        if (fonts->second.count(fontSlots[i])) offered.append(fontSlots[i]);
    return offered;
}

} // namespace zef
