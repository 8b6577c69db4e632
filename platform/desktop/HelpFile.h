#pragma once
// The program's help file: one HTML document (UTF-8) whose topics are its <section>
// elements. A topic carries its anchor in "id", its help context number in
// "data-context" and its index keywords, separated by ";", in "data-keywords"; its
// title is its <h1>. The section with the id "contents" is the table of contents.
// Links between topics are "#id".
#include <optional>
#include <string>
#include <vector>

namespace gb {

struct HelpTopic {
    std::string id;
    int context = 0; // 0: none
    std::string title;
    std::string html; // the body of the section
    std::vector<std::string> keywords;
};

class HelpFile {
public:
    // nullopt when the file cannot be read or holds no topic.
    static std::optional<HelpFile> Load(const std::string& path);
    static std::optional<HelpFile> Parse(const std::string& text);

    const std::string& Title() const { return title_; }
    const std::vector<HelpTopic>& Topics() const { return topics_; }
    const HelpTopic* ByContext(int context) const;
    const HelpTopic* ById(const std::string& id) const;
    const HelpTopic* Contents() const; // the "contents" topic, else the first
    // The keywords of the index, sorted, each once; and the topics of one keyword
    // (compared without regard to letter case).
    std::vector<std::string> Keywords() const;
    std::vector<const HelpTopic*> ByKeyword(const std::string& keyword) const;

private:
    std::string title_;
    std::vector<HelpTopic> topics_;
};

} // namespace gb
