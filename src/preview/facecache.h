#pragma once

#include <QByteArray>
#include <QHash>
#include <QPointF>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <QVector>

#include <cstdint>
#include <map>
#include <memory>
#include <utility>

namespace zef {

// One preview face at one pixel size, with the texts laid out in it so far.
class FaceFont {
public:
    // One text: glyphs, their pen positions on the baseline from the start of
    // the text, the total advance, and the bounds of the glyphs' outlines from
    // the pen start on the baseline (empty for a text without ink).
    struct Shaped {
        QVector<quint32> glyphs;
        QVector<QPointF> positions;
        qreal advance = 0;
        QRectF ink;
    };

    explicit FaceFont(const QRawFont& font);

    const QRawFont& rawFont() const { return m_font; }
    qreal ascent() const { return m_font.ascent(); }
    // Distance from one line's top to the next: ascent, descent and leading.
    qreal lineHeight() const { return m_font.ascent() + m_font.descent() + m_font.leading(); }
    qreal emSize() const { return m_font.pixelSize(); }

    const Shaped& shape(const QString& text);

    // The digit a changing reading is measured with: the one of the largest
    // advance, of the widest outline among equal advances, the lowest on a tie.
    QChar widestDigit();
    // The text with every digit 0 to 9 replaced by widestDigit().
    QString widestDigits(const QString& text);

private:
    // Layouts kept per text; a bound keeps a long session from growing it forever.
    static constexpr int MaxShapedTexts = 4096;

    QRawFont m_font;
    QHash<QString, Shaped> m_texts;
    QChar m_widestDigit; // null until asked for
};

// The preview faces: each face file read once and each (face, pixel size) made
// into a font once, so that painting never touches a font file.
//
// Fonts are made straight from the face file's bytes rather than looked up by
// family name: the faces share family names with each other (the regular and
// the bold file of one family) and with fonts installed on the system, and a
// lookup by name could pick another file than the one the fonts file names.
class FaceCache {
public:
    FaceCache();
    ~FaceCache();

    // The face's font at pixelSize, or nullptr when there is no such face file,
    // it cannot be read or holds no font, or the size is not positive.
    FaceFont* font(std::int32_t faceId, int pixelSize);

    // How many face files have been read so far.
    int filesRead() const { return m_filesRead; }

private:
    const QByteArray& faceData(std::int32_t faceId);

    std::map<std::int32_t, QByteArray> m_data; // empty bytes: not readable
    // nullptr: the face cannot be made at that size
    std::map<std::pair<std::int32_t, int>, std::unique_ptr<FaceFont>> m_fonts;
    int m_filesRead = 0;
};

} // namespace zef
