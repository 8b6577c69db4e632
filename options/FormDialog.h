#pragma once
// The gallery dialog: one small modal window without caption bar that shows one of two
// property pages of the current album. Page 3001 edits the album title (and may rename
// the album folder after it) and shows where the album lives and how large its
// pictures are; page 3002 gives the galleries selected in the album editor one title
// or numbered titles (and may rename their files after them). The pages are kept in
// hidden frames; while the dialog is shown, the chosen page's controls live in the page
// area.
#include "ControlPage.h"
#include "GeneralNaming.h"
#include "shell/ClassWindow.h"

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <map>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gb {

class FormDialog : public QDialog {
public:
    // The pages, numbered as the ids of their titles.
    enum Page : int16_t { PageAlbum = 3001, PageGalleries = 3002 };

    FormDialog();
    ~FormDialog() override;

    // Shows `page` modally, owned by `owner`. True when the user confirmed with OK: the
    // changes are then applied to the current album. False for a page it does not know.
    bool Dialog(QWidget* owner, int16_t page);

    // The controls of the window, named as its design names them.
    QLabel* ImageTitle;
    QLabel* LabelTitle;
    ControlPage* PageArea; // "ControlPage"
    QLabel* LabelHelp;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
    std::map<int16_t, QWidget*> FramePages;
    QLabel* LabelInfo[8] = {};   // 1 ... 7
    QLineEdit* TextItems[4] = {};
    QCheckBox* CheckItems[2] = {};
    QLabel* ImageItems[1] = {};
    QLabel* LabelItems[3] = {};
    QRadioButton* OptionItems[3] = {};
    QFrame* ShapePanel;

    // The owner's handle while the dialog is shown.
    Hwnd OwnerWindow() const { return owner_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildAlbumPage();
    void BuildGalleryPage();
    void InitPage(int16_t page);
    void ApplyPage(int16_t page);
    void OptionItems_Click(int index);
    void ShowControlHelp(QWidget* control);
    void MoveControls(QWidget* from, QWidget* to);
    void WatchControl(QWidget* control, int32_t helpTopic);

    Hwnd owner_ = 0;
    ClassWindow window_;
    QImage surface_;
    std::intptr_t surfaceDC_ = 0;
};

} // namespace gb
