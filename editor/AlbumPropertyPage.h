#pragma once
// Page 0 of the album editor, "アルバム": the album's title, its date or date range, the
// number of its galleries and its folder. Every change goes straight into the album
// records.
#include "toolkit/ClassCalendar.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gb {

class AlbumPropertyPage : public QWidget {
public:
    explicit AlbumPropertyPage(QWidget* parent);
    ~AlbumPropertyPage() override;

    // Copies the records into the page.
    void ShowAlbumProperties();
    // Locks or unlocks the controls.
    void ApplyEditMode(bool editMode);

    QLineEdit* TextTitle;
    QPushButton* CommandTitle;
    ClassCalendar CalendarStamp;
    QLabel* LabelGallery;
    QLineEdit* TextPath;

    struct EventHandlers {
        std::function<void()> TitleChanged;  // the caption follows the title
        std::function<void()> TitleEntered;  // Enter in the title box
        std::function<void()> TitleCommand;  // "&..." pressed
    } Events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CalendarStamp_Change();
    void Arrange();

    QLabel* captions_[4] = {};
    // While the page is filled from the records, the controls' change events write
    // nothing back: a date the calendar cannot hold (a time of day, a range of more
    // than ten days) stays as it is until the user picks another.
    bool filling_ = false;
};

} // namespace gb
