#pragma once
// The help viewer window: one topic of the help file at a time, links between topics,
// a way back, and buttons for the contents, the topics dialog and help on help.
#include "HelpFile.h"

#include <QWidget>
#include <functional>
#include <vector>

class QTextBrowser;
class QPushButton;

namespace gb {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer();

    void SetFile(const HelpFile& file);
    void ShowTopic(const HelpTopic& topic);
    // A page that is no topic of the file (help on help, a message).
    void ShowPage(const std::string& title, const std::string& html);

    const std::string& CurrentTopicId() const { return current_; }
    std::string CurrentText() const;

    // What the "キーワード" button asks for (the session opens the topics dialog).
    std::function<void()> OpenFinder;
    std::function<void()> OpenHowTo;

private:
    void FollowLink(const QUrl& link);
    void Back();

    HelpFile file_;
    QTextBrowser* browser_;
    QPushButton* back_;
    std::string current_;
    std::vector<std::string> history_;
};

} // namespace gb
