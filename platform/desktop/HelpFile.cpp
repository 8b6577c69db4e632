#include "HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>
#include <set>

namespace gb {
namespace {

QString PlainText(const QString& html) { return QTextDocumentFragment::fromHtml(html).toPlainText().trimmed(); }

} // namespace

std::optional<HelpFile> HelpFile::Load(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return Parse(file.readAll().toStdString());
}

std::optional<HelpFile> HelpFile::Parse(const std::string& text) {
    const QString document = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    static const QRegularExpression section(R"(<section\b([^>]*)>(.*?)</section\s*>)",
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attribute(R"re(([A-Za-z][\w-]*)\s*=\s*"([^"]*)")re");
    static const QRegularExpression heading(R"(<h1\b[^>]*>(.*?)</h1\s*>)", QRegularExpression::DotMatchesEverythingOption |
                                                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression title(R"(<title\b[^>]*>(.*?)</title\s*>)", QRegularExpression::DotMatchesEverythingOption |
                                                                                  QRegularExpression::CaseInsensitiveOption);
    HelpFile help;
    if (auto m = title.match(document); m.hasMatch()) help.title_ = PlainText(m.captured(1)).toStdString();
    for (auto it = section.globalMatch(document); it.hasNext();) {
        auto m = it.next();
        HelpTopic topic;
        for (auto at = attribute.globalMatch(m.captured(1)); at.hasNext();) {
            auto a = at.next();
            QString name = a.captured(1).toLower();
            QString value = PlainText(a.captured(2));
            if (name == "id") topic.id = value.toStdString();
            else if (name == "data-context") topic.context = value.toInt();
            else if (name == "data-keywords")
                for (const QString& keyword : value.split(';', Qt::SkipEmptyParts))
                    if (!keyword.trimmed().isEmpty()) topic.keywords.push_back(keyword.trimmed().toStdString());
        }
        topic.html = m.captured(2).toStdString();
        if (auto h = heading.match(m.captured(2)); h.hasMatch()) topic.title = PlainText(h.captured(1)).toStdString();
        help.topics_.push_back(std::move(topic));
    }
    if (help.topics_.empty()) return std::nullopt;
    return help;
}

const HelpTopic* HelpFile::ByContext(int context) const {
    if (context == 0) return nullptr;
    for (const HelpTopic& t : topics_)
        if (t.context == context) return &t;
    return nullptr;
}

const HelpTopic* HelpFile::ById(const std::string& id) const {
    for (const HelpTopic& t : topics_)
        if (t.id == id) return &t;
    return nullptr;
}

const HelpTopic* HelpFile::Contents() const {
    const HelpTopic* contents = ById("contents");
    return contents ? contents : &topics_.front();
}

std::vector<std::string> HelpFile::Keywords() const {
    std::set<QString> seen;
    std::vector<std::string> keywords;
    for (const HelpTopic& t : topics_)
        for (const std::string& k : t.keywords)
            if (seen.insert(QString::fromStdString(k).toCaseFolded()).second) keywords.push_back(k);
    std::sort(keywords.begin(), keywords.end(), [](const std::string& a, const std::string& b) {
        return QString::fromStdString(a).localeAwareCompare(QString::fromStdString(b)) < 0;
    });
    return keywords;
}

std::vector<const HelpTopic*> HelpFile::ByKeyword(const std::string& keyword) const {
    const QString wanted = QString::fromStdString(keyword).trimmed().toCaseFolded();
    std::vector<const HelpTopic*> found;
    for (const HelpTopic& t : topics_)
        for (const std::string& k : t.keywords)
            if (QString::fromStdString(k).toCaseFolded() == wanted) {
                found.push_back(&t);
                break;
            }
    return found;
}

} // namespace gb
