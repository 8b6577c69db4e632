#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace gb {

TEST(Cp932, RoundTripsJapaneseAndHalfWidthKatakana) {
    std::string utf8 = "Glimmerbox 標準ﾌｫｰﾏｯﾄ";
    Converted bytes = ToCp932(utf8);
    EXPECT_TRUE(bytes.exact);
    EXPECT_EQ(bytes.text.size(), 21u); // 11 ASCII, 2 x 2 kanji, 6 half-width katakana
    Converted back = FromCp932(bytes.text);
    EXPECT_TRUE(back.exact);
    EXPECT_EQ(back.text, utf8);
}

TEST(Cp932, ReportsCharactersItCannotHold) {
    Converted bytes = ToCp932("a😀b");
    EXPECT_FALSE(bytes.exact);
    EXPECT_EQ(bytes.text, "a?b");
    Converted broken = FromCp932(std::string("x\x81", 2));
    EXPECT_FALSE(broken.exact);
}

TEST(Cp932, PrefixNeverSplitsADoubleByteCharacter) {
    std::string text = Cp932("aあい"); // 1 + 2 + 2 bytes
    EXPECT_EQ(Cp932Prefix(text, 5), text);
    EXPECT_EQ(Cp932Prefix(text, 4), text.substr(0, 3));
    EXPECT_EQ(Cp932Prefix(text, 2), "a");
    // The second byte of "ソ" is a backslash code; it still belongs to the character.
    std::string so = Cp932("ソ");
    ASSERT_EQ(so.size(), 2u);
    EXPECT_EQ(so[1], '\\');
    EXPECT_EQ(Cp932Prefix(so, 1), "");
}

} // namespace gb
