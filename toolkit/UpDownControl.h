#pragma once
// The up-down control: two arrow buttons beside a buddy window. A step first asks the
// parent (UDN_DELTAPOS with the position and the change; a non-zero answer refuses
// it), then moves the position within the range, or round it when wrapping, and with
// the set-buddy-integer style writes it into the buddy as decimal text.
#include "platform/WindowMessages.h"
#include "platform/window/WindowStyle.h"

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace gb {

enum : int { UDN_DELTAPOS = -722 };

// NMUPDOWN.
struct UpDownNotify {
    NotifyHeader hdr;
    int iPos = 0;
    int iDelta = 0;
};

class UpDownControl : public QWidget, public StyledWindow {
public:
    explicit UpDownControl(QWidget* parent);

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;

    void SetBuddy(QWidget* buddy);
    QWidget* Buddy() const { return buddy_; }
    void SetRange(int minimum, int maximum);
    int Minimum() const { return min_; }
    int Maximum() const { return max_; }
    int Position() const { return pos_; }
    void SetPosition(int position);
    // One step as the arrows and the arrow keys make it.
    void Step(int delta);
    // Writes the position into the buddy as decimal text.
    void WriteBuddy();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    uint32_t style_ = 0;
    int min_ = -32768, max_ = 32767, pos_ = 0;
    QPointer<QWidget> buddy_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace gb
