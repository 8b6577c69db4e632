#include "CalendarControl.h"

#include "ToolkitSupport.h"

#include <QApplication>
#include <QTextCharFormat>

namespace gb {

CalendarControl::CalendarControl(QWidget* parent) : QCalendarWidget(parent) {
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    first_ = last_ = anchor_ = selectedDate();
    connect(this, &QCalendarWidget::clicked, this, [this](QDate day) {
        Choose(day, QApplication::keyboardModifiers() & Qt::ShiftModifier);
    });
    connect(this, &QCalendarWidget::activated, this, [this](QDate day) { Choose(day, false); });
}

void CalendarControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    Paint();
}

bool CalendarControl::SetRange(QDate first, QDate last) {
    if (!first.isValid() || !last.isValid() || last < first) return false;
    if (first.daysTo(last) + 1 > (MultiSelect() ? limit_ : 1)) return false;
    first_ = anchor_ = first;
    last_ = last;
    setSelectedDate(first);
    Paint();
    return true;
}

void CalendarControl::SetLimit(int days) { limit_ = std::max(1, days); }

void CalendarControl::Choose(QDate day, bool extend) {
    if (!day.isValid()) return;
    if (extend && MultiSelect()) {
        QDate from = anchor_, to = day;
        // Past the limit the range stops at the largest allowed length.
        if (from <= to) to = std::min(to, from.addDays(limit_ - 1));
        else to = std::max(to, from.addDays(-(limit_ - 1)));
        first_ = std::min(from, to);
        last_ = std::max(from, to);
    } else {
        first_ = last_ = anchor_ = day;
    }
    setSelectedDate(day);
    Paint();
    NotifyHeaderOnly(this, MCN_SELCHANGE);
}

void CalendarControl::Paint() {
    setDateTextFormat(QDate(), QTextCharFormat());
    if (!MultiSelect() || first_ == last_) return;
    QTextCharFormat marked;
    marked.setBackground(palette().color(QPalette::Highlight).lighter(160));
    for (QDate d = first_; d <= last_; d = d.addDays(1)) setDateTextFormat(d, marked);
}

} // namespace gb
