#include "catalog/devicefonts.h"
#include "preview/facecache.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

// For every face: no digit is wider than the widest, and only digits change.
TEST(WidestDigits, NoDigitIsWiderAndOnlyDigitsChange) {
    FaceCache faces;
    for (const FaceFile& file : faceFiles()) {
        SCOPED_TRACE(file.resourceName);
        FaceFont* font = faces.font(file.faceId, 27);
        ASSERT_NE(font, nullptr);
        const QChar widest = font->widestDigit();
        ASSERT_TRUE(widest.isDigit());
        const FaceFont::Shaped wide = font->shape(QString(widest));
        for (char c = '0'; c <= '9'; ++c) {
            const FaceFont::Shaped digit = font->shape(QString(QLatin1Char(c)));
            EXPECT_GE(wide.advance, digit.advance) << c;
            if (digit.advance == wide.advance) {
                EXPECT_GE(wide.ink.width(), digit.ink.width()) << c;
            }
        }
        const QString w(widest);
        EXPECT_EQ(font->widestDigits(QStringLiteral("12:07 km/h -3.5%")),
                  w + w + QStringLiteral(":") + w + w + QStringLiteral(" km/h -") + w +
                      QStringLiteral(".") + w + QStringLiteral("%"));
        // Other scripts' digits are not readings the data field prints.
        EXPECT_EQ(font->widestDigits(QStringLiteral("\u0661\u0662")),
                  QStringLiteral("\u0661\u0662"));
    }
}

} // namespace
} // namespace zef
