#include "catalog/cnumber.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <climits>

namespace zef {
namespace {

struct IntCase {
    const char* text;
    std::int32_t value;
    const char* why;
};

TEST(CNumber, IntegersReadAsTheCScanDoesAndClamp) {
    const IntCase cases[] = {
        {"12", 12, "plain"},
        {"-12", -12, "negative"},
        {"+7", 7, "plus sign"},
        {" 12abc", 12, "leading blank, trailing text ignored"},
        {"\t\r\n 5", 5, "every C blank is skipped"},
        {"-", 0, "sign alone"},
        {"abc", 0, "no digits"},
        {"", 0, "empty"},
        {"0x10", 0, "no hex: 0 then x stops"},
        {"2147483647", INT_MAX, "largest"},
        {"-2147483648", INT_MIN, "smallest"},
        {"2147483648", INT_MAX, "one past is clamped"},
        {"99999999999", INT_MAX, "far past is clamped"},
        {"-99999999999", INT_MIN, "far below is clamped"},
        {"00000000000000000000000012", 12, "leading zeros are no overflow"},
        {"1 2", 1, "stops at the blank"},
        {"- 1", 0, "a blank after the sign ends it"},
    };
    for (const auto& c : cases) EXPECT_EQ(cStrtol(c.text), c.value) << c.text << ": " << c.why;
    EXPECT_EQ(cStrtol(static_cast<const char*>(nullptr)), 0) << "missing attribute";
    const QByteArray huge(100000, '9');
    EXPECT_EQ(cStrtol(huge.constData()), INT_MAX) << "a hundred thousand digits";
}

} // namespace
} // namespace zef
