#pragma once
// The month calendar: a QCalendarWidget that, with the multi-select style, keeps a
// range of days (a click chooses one day, a click with Shift extends the range from
// the first day, never beyond the largest number of days). A change of selection by
// the user sends MCN_SELCHANGE to the parent.
#include "platform/window/WindowStyle.h"

#include <QCalendarWidget>
#include <QDate>

namespace gb {

enum : int { MCN_SELCHANGE = -749 };

class CalendarControl : public QCalendarWidget, public StyledWindow {
public:
    explicit CalendarControl(QWidget* parent);

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;
    bool MultiSelect() const { return style_ & 0x2; }

    QDate First() const { return first_; }
    QDate Last() const { return last_; }
    // False, changing nothing, for a range longer than the limit or reversed.
    bool SetRange(QDate first, QDate last);
    int Limit() const { return limit_; }
    void SetLimit(int days);
    // What a click on `day` does; `extend` is a click with Shift.
    void Choose(QDate day, bool extend);

private:
    void Paint();

    uint32_t style_ = 0;
    QDate first_, last_, anchor_;
    int limit_ = 7;
};

} // namespace gb
