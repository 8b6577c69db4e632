#include "platform/Cp932.h"
#include "platform/SharedLibrary.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace gb {
namespace {

using Measure = int32_t(const char*);

Measure* Bound() {
    Measure* f = BindFunction<Measure>("Varnel.so", "AnsiCharSize");
    EXPECT_NE(f, nullptr);
    return f;
}

TEST(Varnel, CountsBytesBeforeTheZero) {
    Measure* measure = Bound();
    ASSERT_NE(measure, nullptr);
    EXPECT_EQ(measure(""), 0);
    EXPECT_EQ(measure(Cp932("Glimmerbox 標準ﾌｫｰﾏｯﾄ").c_str()), 21);
    std::string hundred;
    for (int i = 0; i < 100; ++i) hundred += "写";
    EXPECT_EQ(measure(Cp932(hundred).c_str()), 200);
}

TEST(Varnel, WordAtATimeScanAgreesWithBytesAtEveryAlignment) {
    Measure* measure = Bound();
    ASSERT_NE(measure, nullptr);
    // Every start offset within a 4-byte group, every length up to 40, and bytes with
    // the high bit set (which fool a careless zero-byte test).
    alignas(16) char buffer[64];
    for (int offset = 0; offset < 4; ++offset) {
        for (int length = 0; length < 40; ++length) {
            std::memset(buffer, 0x55, sizeof buffer);
            for (int i = 0; i < length; ++i) buffer[offset + i] = char(i % 3 == 0 ? 0x81 : 0x80 + i);
            buffer[offset + length] = 0;
            EXPECT_EQ(measure(buffer + offset), int32_t(std::strlen(buffer + offset))) << offset << "/" << length;
        }
    }
}

} // namespace
} // namespace gb
