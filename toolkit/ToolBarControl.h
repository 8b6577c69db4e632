#pragma once
// The tool-bar control: buttons with command ids, check buttons and check groups,
// drop-down buttons (an arrow part, or the whole button), images from image lists,
// captions. A click sends WM_COMMAND (the id, the tool bar in lParam) to the parent,
// a drop-down part TBN_DROPDOWN.
#include "ToolkitSupport.h"
#include "platform/window/WindowStyle.h"

#include <QToolBar>
#include <vector>

class QAction;
class QActionGroup;
class QToolButton;

namespace gb {

enum : int { TBN_DROPDOWN = -710 };
enum : uint32_t {
    BTNS_SEP = 0x1, BTNS_CHECK = 0x2, BTNS_GROUP = 0x4, BTNS_DROPDOWN = 0x8, BTNS_AUTOSIZE = 0x10,
    BTNS_SHOWTEXT = 0x40, BTNS_WHOLEDROPDOWN = 0x80,
};
enum : uint32_t {
    TBSTATE_CHECKED = 0x1, TBSTATE_PRESSED = 0x2, TBSTATE_ENABLED = 0x4, TBSTATE_HIDDEN = 0x8, TBSTATE_WRAP = 0x20,
};

// NMTOOLBAR: the button's command id in iItem.
struct ToolBarNotify {
    NotifyHeader hdr;
    int iItem = 0;
};

class ToolBarControl : public QToolBar, public StyledWindow, public ToolTipHost {
public:
    struct Button {
        int key = 0;
        uint32_t style = 0;
        int image = -1;
        QAction* action = nullptr;
        QToolButton* button = nullptr; // nullptr for a separator
        QAction* holder = nullptr;     // the bar's place of a drop-down button
    };

    explicit ToolBarControl(QWidget* parent);

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;
    void SetToolTip(int key, const QString& text) override;

    void SetExtendedStyle(uint32_t style);
    uint32_t ExtendedStyle() const { return extended_; }
    void SetImageList(std::intptr_t handle, bool hot);
    void SetIndent(int pixels);
    void SetButtonWidths(int minimum, int maximum);
    void SetButtonSize(int width, int height);

    void AddButton(int key, uint32_t style, uint32_t state, const QString& caption, int image);
    void RemoveButton(int key);
    void ClearButtons();
    const std::vector<Button>& Buttons() const { return buttons_; }
    Button* Find(int key);
    void SetImage(int key, int image);
    uint32_t State(int key);
    void SetState(int key, uint32_t state);
    // Places the bar along its parent as its alignment says (top unless told otherwise).
    void AlignToParent();

private:
    void Refresh(Button& button);
    void DropDown(int key);

    uint32_t style_ = 0, extended_ = 0;
    std::intptr_t imageList_ = 0;
    QWidget* indent_ = nullptr;
    QSize buttonSize_;
    int minWidth_ = 0, maxWidth_ = 0;
    std::vector<Button> buttons_;
    QActionGroup* group_ = nullptr; // the check group being filled
};

} // namespace gb
