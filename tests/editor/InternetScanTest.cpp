// Reading a web page for pictures: the tag scanner, the links that are pictures and
// their addresses and names, the decoding of page bytes, and the control's Parse.
#include "editor/ControlInternet.h"
#include "editor/HtmlTags.h"
#include "editor/InternetLinks.h"
#include "platform/Cp932.h"
#include "platform/net/WebPageText.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

// The tag as one text: name, then "attribute=value" pairs.
std::string Show(const TagInfo& tag) {
    std::string text = "[" + tag.Name + "]";
    for (const TagAttribute& a : tag.Attributes) text += " " + a.Name + "=" + a.Value;
    return text;
}

TEST(HtmlTags, ParseTagSplitsNamesAndValuesAsThePageWroteThem) {
    struct Case {
        const char* tag;
        const char* expected;
    } cases[] = {
        {"img src=\"a.jpg\"", "[img] src=a.jpg"},
        {"IMG SRC = \"a.jpg\"", "[IMG] SRC=a.jpg"},         // one blank each side of "=" goes
        {"img src  =  'a.jpg'", "[img] src= = 'a.jpg'="}, // of several blanks only the nearest one
        {"img\r\nsrc=a.jpg\twidth=3", "[img] src=a.jpg width=3"},
        {"img alt=\"it's\" src=\"a.jpg\"", "[img] alt=it's\" src=\"a.jpg"}, // the apostrophe flips the flag
        {"a href=x.jpg selected", "[a] href=x.jpg selected="},
        {"!-- <img src=a.jpg --", "[!-- <img src=a.jpg --]"},
        {"br", "[br]"},
        {"", "[]"},
        {"img src=a=b.jpg", "[img] src=a=b.jpg"},
    };
    for (const Case& c : cases) EXPECT_EQ(Show(ParseTag(c.tag)), c.expected) << c.tag;
}

TEST(HtmlTags, ScanStopsAtAnUnclosedTagAndKeepsWhatCameBefore) {
    const std::vector<TagInfo> tags = ScanTags("text <p> more <img src=a.jpg> and <a href=b.jpg");
    ASSERT_EQ(tags.size(), 3u);
    EXPECT_EQ(Show(tags[0]), "[p]");
    EXPECT_EQ(Show(tags[1]), "[img] src=a.jpg");
    EXPECT_EQ(Show(tags[2]), "[]");
    // A ">" inside a value ends the tag there.
    EXPECT_EQ(Show(ScanTags("<img alt=\"a>b\" src=c.jpg>")[0]), "[img] alt=a");
    EXPECT_TRUE(ScanTags("no tags at all").empty());
}

TEST(HtmlTags, AttributesPerTagAreLimited) {
    std::string tag = "img";
    for (int i = 0; i < 300; ++i) tag += " a" + std::to_string(i) + "=1";
    EXPECT_EQ(ParseTag(tag).Attributes.size(), kMaxTagAttributes);
}

TEST(InternetLinks, PictureLinksResolveAgainstThePage) {
    struct Case {
        const char* link;
        const char* page;
        const char* expected; // "" when the link is no picture
    } cases[] = {
        {"pic/a.jpg", "http://h.example/dir/index.html", "http://h.example/dir/pic/a.jpg"},
        {"/img/b.GIF", "http://h.example/dir", "http://h.example/img/b.GIF"},
        {"/img/b.GIF", "http://h.example", "http://h.example/img/b.GIF"},
        {"c.jpg", "http://h.example/dir", "http://h.example/dir/c.jpg"},
        {"c.jpg", "http://h.example/dir/", "http://h.example/dir/c.jpg"},
        {"c.jpg", "http://h.example/cgi/list.CGI", "http://h.example/cgi/c.jpg"},
        {"HTTPS://other.example/d.JPG", "http://h.example/", "HTTPS://other.example/d.JPG"},
        {"ftp://f.example/e.gif", "http://h.example/", "ftp://f.example/e.gif"},
        {"file:///srv/f.jpg", "http://h.example/", "file:///srv/f.jpg"},
        {"//cdn.example/g.jpg", "https://h.example/p.html", "https://cdn.example/g.jpg"},
        {"a.png", "http://h.example/", ""},
        {"a.jpg?size=2", "http://h.example/", ""},
        {"a.jpeg", "http://h.example/", ""},
        {"page.html", "http://h.example/", ""},
    };
    for (const Case& c : cases) {
        const std::optional<std::string> address = PictureAddress(c.link, c.page);
        EXPECT_EQ(address.value_or(""), c.expected) << c.link << " on " << c.page;
    }
}

TEST(InternetLinks, NamesAndWhichOfThemCanBeStored) {
    EXPECT_EQ(PictureDisplayName("pic/a.jpg", LinkFromImage), "a.jpg");
    EXPECT_EQ(PictureDisplayName("big/c.jpg", LinkFromAnchor), "ﾘﾝｸ~c.jpg");
    EXPECT_EQ(PictureDisplayName("c.jpg", LinkFromImage), "c.jpg");
    struct Case {
        const char* name;
        bool plain;
    } cases[] = {{"a.jpg", true}, {"ﾘﾝｸ~写真 1.jpg", true}, {"", false},          {".", false},
                 {"..", false},   {"..\\x.jpg", false},     {"a\x01.jpg", false}, {"*.jpg", false},
                 {"a?.gif", false}};
    for (const Case& c : cases) EXPECT_EQ(IsPlainFileName(c.name), c.plain) << c.name;
}

TEST(WebPageText, PagesAreReadInTheirDeclaredCharacterSet) {
    const std::string japanese = "<img alt=\"写真\" src=\"a.jpg\">";
    const std::string sjis = Cp932(japanese);
    struct Case {
        std::string bytes;
        std::string contentType;
        const char* what;
    } cases[] = {
        {japanese, "", "undeclared UTF-8"},
        {sjis, "", "undeclared code page 932"},
        {sjis, "text/html; charset=Shift_JIS", "declared by the server"},
        {"<meta charset=\"shift_jis\">" + sjis, "", "declared by a meta tag"},
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-31j\">" + sjis, "", "meta content"},
        {"\xEF\xBB\xBF" + japanese, "text/html; charset=Shift_JIS", "byte-order mark first"},
        {japanese, "text/html; charset=no-such-set", "unknown set"},
    };
    for (const Case& c : cases) {
        const std::string text = DecodeWebPage(c.bytes, c.contentType);
        EXPECT_NE(text.find(japanese), std::string::npos) << c.what << ": " << text;
    }
    EXPECT_EQ(CharsetOf("text/html; charset = \"EUC-JP\""), "euc-jp");
    EXPECT_EQ(CharsetOf("text/html"), "");
}

TEST(ControlInternet, ParseReportsEachNewValueOfTheAttributeOnce) {
    ControlInternet control;
    std::vector<std::pair<std::string, int16_t>> found;
    control.Events.Parse = [&](const std::string& link, int16_t key) { found.emplace_back(link, key); };
    const std::string page = "<IMG SRC=a.jpg><img src=b.gif><img Src=a.jpg><img src=A.jpg><a href=a.jpg>"
                             "<image src=c.jpg><img data-src=d.jpg>";
    control.Parse(1, "http://h.example/", page, "img", "src");
    EXPECT_EQ(found, (std::vector<std::pair<std::string, int16_t>>{{"a.jpg", 1}, {"b.gif", 1}, {"A.jpg", 1}}));
    EXPECT_EQ(control.DataBase(), (std::vector<std::string>{"a.jpg", "b.gif", "A.jpg"}));
    found.clear();
    control.Parse(0, "http://h.example/", page, "A", "HREF");
    EXPECT_EQ(found, (std::vector<std::pair<std::string, int16_t>>{{"a.jpg", 0}}));
    EXPECT_EQ(control.DataBase(), std::vector<std::string>{"a.jpg"});
}

} // namespace
} // namespace gb
