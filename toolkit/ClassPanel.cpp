#include "ClassPanel.h"

#include "ToolkitSupport.h"
#include "platform/ErrorRecord.h"
#include "platform/window/DeviceContexts.h"
#include "platform/window/WindowStyle.h"

#include <QApplication>
#include <QGroupBox>

namespace gb {

ClassPanel::~ClassPanel() { Detach(); }

QGroupBox* ClassPanel::Panel() const { return qobject_cast<QGroupBox*>(WidgetOf(hPanel)); }

void ClassPanel::Attach(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    Detach();
    auto* panel = new QGroupBox(parent);
    QFont font;
    panel->setFont(FontOfDeviceContext(hDC, font) ? font : QApplication::font());
    hPanel = HandleOf(panel);
    // The panel starts hidden. It is not disabled here: on this desktop a disabled
    // container would disable the controls it holds.
    uint32_t style = 0x44000000u | 0x7u | (ClipChildren ? 0x2000000u : 0u);
    SetWindowLong(hPanel, GWL_EXSTYLE, 0x4u | (ClipChildren ? 0x10000u : 0u));
    SetWindowLong(hPanel, GWL_STYLE, style);
    panel->hide();
}

void ClassPanel::Detach() {
    delete Panel();
    hPanel = 0;
}

bool ClassPanel::SetContainer(Hwnd window) {
    QWidget* container = WidgetOf(window);
    QGroupBox* panel = Panel();
    if (!panel || !container || panel->isAncestorOf(container)) return false;
    bool visible = !panel->isHidden();
    panel->setParent(container);
    panel->setVisible(visible);
    return true;
}

bool ClassPanel::Enabled() const { return Panel() && Panel()->isEnabled(); }
void ClassPanel::SetEnabled(bool value) {
    if (Panel()) Panel()->setEnabled(value);
}
bool ClassPanel::Visible() const { return Panel() && !Panel()->isHidden(); }
void ClassPanel::SetVisible(bool value) {
    if (Panel()) Panel()->setVisible(value);
}
int32_t ClassPanel::Left() const { return Panel() ? Panel()->x() : 0; }
int32_t ClassPanel::Top() const { return Panel() ? Panel()->y() : 0; }
int32_t ClassPanel::Width() const { return Panel() ? Panel()->width() : 0; }
int32_t ClassPanel::Height() const { return Panel() ? Panel()->height() : 0; }

void ClassPanel::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (width) lastWidth_ = width;
    if (height) lastHeight_ = height;
    if (Panel()) Panel()->setGeometry(left, top, lastWidth_, lastHeight_);
}

void ClassPanel::Size(int32_t width, int32_t height) { Move(Left(), Top(), width, height); }

bool ClassPanel::Fit(QWidget* Source, int32_t) {
    if (!Source || Source->isWindow() || !Source->parentWidget()) {
        Err().Raise(kObjectError, "The placeholder is not a control of a window.", "ClassPanel");
        return false;
    }
    QRect r = Source->geometry();
    Move(r.x(), r.y(), r.width(), r.height());
    return true;
}

void ClassPanel::ZOrder(Hwnd insertAfter) {
    QGroupBox* panel = Panel();
    if (!panel) return;
    QWidget* after = WidgetOf(insertAfter);
    if (after && after->parentWidget() == panel->parentWidget()) panel->stackUnder(after);
    else if (insertAfter == 0) panel->raise();
}

void ClassPanel::Refresh() {
    if (Panel()) Panel()->repaint();
}

std::string ClassPanel::Caption() const { return Panel() ? LimitedText(Panel()->title()).toStdString() : std::string(); }

void ClassPanel::SetCaption(const std::string& text) {
    if (Panel()) Panel()->setTitle(QString::fromStdString(text));
}

} // namespace gb
