#include "ToolBarControl.h"

#include "ImageListStore.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QToolButton>

namespace gb {
namespace {

enum : uint32_t { TBSTYLE_FLAT = 0x800, TBSTYLE_LIST = 0x1000, TBSTYLE_TRANSPARENT = 0x8000, CCS_NOPARENTALIGN = 0x8,
                  CCS_NORESIZE = 0x4, CCS_BOTTOM = 0x3, CCS_VERT = 0x80 };
enum : uint32_t { TBSTYLE_EX_DRAWDDARROWS = 0x1, TBSTYLE_EX_MIXEDBUTTONS = 0x8 };

// A tool button whose drop-down part (or whole face) reports a press instead of
// opening a menu of its own.
class DropDownButton : public QToolButton {
public:
    DropDownButton(QWidget* parent, std::function<void()> dropDown) : QToolButton(parent), dropDown_(std::move(dropDown)) {
        setMenu(new QMenu(this)); // only so that the arrow is drawn
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            bool whole = popupMode() == QToolButton::InstantPopup;
            QStyleOptionToolButton option;
            initStyleOption(&option);
            QRect arrow = style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu, this);
            if (whole || arrow.contains(event->position().toPoint())) {
                setDown(true);
                dropDown_();
                setDown(false);
                event->accept();
                return;
            }
        }
        QToolButton::mousePressEvent(event);
    }

private:
    std::function<void()> dropDown_;
};

} // namespace

ToolBarControl::ToolBarControl(QWidget* parent) : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    indent_ = new QWidget(this);
    indent_->setFixedWidth(0);
    addWidget(indent_);
}

void ToolBarControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    setOrientation(style & CCS_VERT ? Qt::Vertical : Qt::Horizontal);
    setAutoFillBackground(!(style & TBSTYLE_TRANSPARENT));
    for (Button& b : buttons_) Refresh(b);
}

void ToolBarControl::SetExtendedStyle(uint32_t style) {
    extended_ = style;
    for (Button& b : buttons_) Refresh(b);
}

void ToolBarControl::SetImageList(std::intptr_t handle, bool hot) {
    if (hot) return; // this desktop draws the hot look itself
    imageList_ = handle;
    if (ImageListData* list = ImageListOf(handle)) setIconSize(list->size);
    for (Button& b : buttons_) Refresh(b);
}

void ToolBarControl::SetIndent(int pixels) { indent_->setFixedWidth(std::max(0, pixels)); }

void ToolBarControl::SetButtonWidths(int minimum, int maximum) {
    minWidth_ = minimum;
    maxWidth_ = maximum;
    for (Button& b : buttons_) Refresh(b);
}

void ToolBarControl::SetButtonSize(int width, int height) {
    buttonSize_ = QSize(width, height);
    for (Button& b : buttons_) Refresh(b);
}

void ToolBarControl::Refresh(Button& b) {
    if (!b.button) return;
    QImage image = ImageListImage(imageList_, b.image);
    b.action->setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    bool mixed = extended_ & TBSTYLE_EX_MIXEDBUTTONS;
    bool showText = !b.action->text().isEmpty() && (!mixed || (b.style & BTNS_SHOWTEXT));
    if (!showText) b.button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    else if (image.isNull()) b.button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    else b.button->setToolButtonStyle(style_ & TBSTYLE_LIST ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextUnderIcon);
    b.button->setAutoRaise(style_ & TBSTYLE_FLAT);
    if (b.style & BTNS_WHOLEDROPDOWN) b.button->setPopupMode(QToolButton::InstantPopup);
    else if ((b.style & BTNS_DROPDOWN) && (extended_ & TBSTYLE_EX_DRAWDDARROWS))
        b.button->setPopupMode(QToolButton::MenuButtonPopup);
    else if (b.style & BTNS_DROPDOWN) b.button->setPopupMode(QToolButton::InstantPopup);
    if (minWidth_ > 0) b.button->setMinimumWidth(minWidth_);
    if (maxWidth_ > 0) b.button->setMaximumWidth(std::max(minWidth_, maxWidth_));
    if (buttonSize_.isValid() && buttonSize_.width() > 0) b.button->setFixedSize(buttonSize_);
}

void ToolBarControl::AddButton(int key, uint32_t style, uint32_t state, const QString& caption, int image) {
    Button b;
    b.key = key;
    b.style = style;
    b.image = image;
    if (style & BTNS_SEP) {
        b.action = addSeparator();
        group_ = nullptr;
        buttons_.push_back(b);
        SetState(key, state);
        return;
    }
    b.action = new QAction(caption, this);
    b.action->setData(key);
    b.action->setCheckable(style & BTNS_CHECK);
    if ((style & (BTNS_CHECK | BTNS_GROUP)) == (BTNS_CHECK | BTNS_GROUP)) {
        if (!group_) group_ = new QActionGroup(this);
        group_->addAction(b.action);
    } else {
        group_ = nullptr;
    }
    if (style & (BTNS_DROPDOWN | BTNS_WHOLEDROPDOWN)) {
        auto* button = new DropDownButton(this, [this, key] { DropDown(key); });
        button->setDefaultAction(b.action);
        b.holder = addWidget(button);
        b.button = button;
    } else {
        addAction(b.action);
        b.button = qobject_cast<QToolButton*>(widgetForAction(b.action));
    }
    connect(b.action, &QAction::triggered, this, [this, key] {
        SendMessage(HandleOf(parentWidget()), WM_COMMAND, WParam(uint16_t(key)), LParam(HandleOf(this)));
    });
    buttons_.push_back(b);
    Refresh(buttons_.back());
    SetState(key, state);
}

void ToolBarControl::DropDown(int key) {
    ToolBarNotify n;
    n.iItem = key;
    Notify(this, TBN_DROPDOWN, n);
}

void ToolBarControl::RemoveButton(int key) {
    for (auto it = buttons_.begin(); it != buttons_.end(); ++it) {
        if (it->key != key) continue;
        if (it->holder) {
            removeAction(it->holder);
            delete it->button;
        }
        removeAction(it->action);
        delete it->action;
        buttons_.erase(it);
        return;
    }
}

void ToolBarControl::ClearButtons() {
    while (!buttons_.empty()) RemoveButton(buttons_.front().key);
    group_ = nullptr;
}

ToolBarControl::Button* ToolBarControl::Find(int key) {
    for (Button& b : buttons_)
        if (b.key == key) return &b;
    return nullptr;
}

void ToolBarControl::SetImage(int key, int image) {
    if (Button* b = Find(key)) {
        b->image = image;
        Refresh(*b);
    }
}

uint32_t ToolBarControl::State(int key) {
    Button* b = Find(key);
    if (!b) return 0;
    uint32_t state = 0;
    if (b->action->isChecked()) state |= TBSTATE_CHECKED;
    if (b->button && b->button->isDown()) state |= TBSTATE_PRESSED;
    if (b->action->isEnabled()) state |= TBSTATE_ENABLED;
    if (!b->action->isVisible()) state |= TBSTATE_HIDDEN;
    return state;
}

void ToolBarControl::SetState(int key, uint32_t state) {
    Button* b = Find(key);
    if (!b) return;
    if (b->action->isCheckable()) b->action->setChecked(state & TBSTATE_CHECKED);
    b->action->setEnabled(state & TBSTATE_ENABLED);
    b->action->setVisible(!(state & TBSTATE_HIDDEN));
    if (b->button) b->button->setDown(state & TBSTATE_PRESSED);
}

void ToolBarControl::SetToolTip(int key, const QString& text) {
    if (Button* b = Find(key)) b->action->setToolTip(text);
}

void ToolBarControl::AlignToParent() {
    adjustSize();
    QWidget* parent = parentWidget();
    if (!parent || (style_ & (CCS_NOPARENTALIGN | CCS_NORESIZE))) return;
    int height = sizeHint().height();
    if ((style_ & 0x3) == CCS_BOTTOM) setGeometry(0, parent->height() - height, parent->width(), height);
    else setGeometry(0, 0, parent->width(), height);
}

} // namespace gb
