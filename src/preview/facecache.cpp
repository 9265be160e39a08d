#include "facecache.h"

#include "catalog/devicefonts.h"

#include <QFile>

namespace zef {

FaceFont::FaceFont(const QRawFont& font) : m_font(font) {}

const FaceFont::Shaped& FaceFont::shape(const QString& text) {
    auto it = m_texts.constFind(text);
    if (it != m_texts.constEnd()) return *it;
    if (m_texts.size() >= MaxShapedTexts) m_texts.clear();

    Shaped s;
    s.glyphs = m_font.glyphIndexesForString(text);
    const QVector<QPointF> advances = m_font.advancesForGlyphIndexes(s.glyphs);
    s.positions.reserve(advances.size());
    qreal x = 0;
    for (int i = 0; i < advances.size(); ++i) {
        s.positions.append(QPointF(x, 0));
        const QRectF glyph = m_font.boundingRect(s.glyphs[i]);
        if (!glyph.isEmpty()) s.ink |= glyph.translated(x, 0);
        x += advances[i].x();
    }
    s.advance = x;
    return *m_texts.emplace(text, std::move(s));
}

QChar FaceFont::widestDigit() {
    if (!m_widestDigit.isNull()) return m_widestDigit;
    m_widestDigit = QLatin1Char('0');
    qreal bestAdvance = -1, bestInk = -1;
    for (char c = '0'; c <= '9'; ++c) {
        const Shaped& digit = shape(QString(QLatin1Char(c)));
        const qreal ink = digit.ink.width();
        if (digit.advance > bestAdvance || (digit.advance == bestAdvance && ink > bestInk)) {
            bestAdvance = digit.advance;
            bestInk = ink;
            m_widestDigit = QLatin1Char(c);
        }
    }
    return m_widestDigit;
}

QString FaceFont::widestDigits(const QString& text) {
    QString widest = text;
    const QChar digit = widestDigit();
    for (QChar& c : widest)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) c = digit;
    return widest;
}

FaceCache::FaceCache() = default;
FaceCache::~FaceCache() = default;

const QByteArray& FaceCache::faceData(std::int32_t faceId) {
    auto it = m_data.find(faceId);
    if (it != m_data.end()) return it->second;
    QByteArray bytes;
    if (const FaceFile* file = faceFileById(faceId)) {
        QFile f(QString::fromUtf8(file->resourcePath));
        ++m_filesRead;
        if (f.open(QIODevice::ReadOnly)) bytes = f.readAll();
    }
    return m_data.emplace(faceId, std::move(bytes)).first->second;
}

FaceFont* FaceCache::font(std::int32_t faceId, int pixelSize) {
    if (faceId == 0 || pixelSize <= 0) return nullptr;
    const auto key = std::make_pair(faceId, pixelSize);
    auto it = m_fonts.find(key);
    if (it != m_fonts.end()) return it->second.get();

    std::unique_ptr<FaceFont> made;
    const QByteArray& data = faceData(faceId);
    if (!data.isEmpty()) {
        // Vertical hinting only keeps the strokes crisp at small sizes while the
        // advances stay those of the outlines, the same on every machine.
        QRawFont raw(data, pixelSize, QFont::PreferVerticalHinting);
        if (raw.isValid()) made = std::make_unique<FaceFont>(std::move(raw));
    }
    return m_fonts.emplace(key, std::move(made)).first->second.get();
}

} // namespace zef
