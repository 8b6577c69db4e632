#pragma once
// The help-topics dialog: the table of contents and the keyword index of the help
// file. Choosing an entry shows its topic in the viewer.
#include "HelpFile.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QListWidget;
class QTabWidget;

namespace gb {

class HelpFinder : public QWidget {
    Q_OBJECT
public:
    HelpFinder();

    void SetFile(const HelpFile& file);
    // Opens the index with the keyword that begins with `keyword` selected.
    void ShowIndex(const std::string& keyword);
    void ShowContents();

    bool IndexShown() const;
    std::string SelectedKeyword() const;

    // Called with the topic the user chose.
    std::function<void(const HelpTopic&)> TopicChosen;

private:
    void Display();
    void SelectNearest(const QString& text);

    HelpFile file_;
    QTabWidget* tabs_;
    QListWidget* contents_;
    QLineEdit* typed_;
    QListWidget* index_;
};

} // namespace gb
