#include "ClassCalendar.h"

#include "GeneralCommonControlsEx.h"
#include "ToolkitSupport.h"
#include "platform/Conventions.h"

#include <QTextCharFormat>
#include <cmath>

namespace gb {

QDate DateOfDayCount(double days) {
    DateParts p = PartsFromDate(std::floor(days));
    return QDate(p.year, p.month, p.day);
}

double DayCountOfDate(QDate date) {
    if (!date.isValid()) return 0;
    DateParts p;
    p.year = date.year();
    p.month = date.month();
    p.day = date.day();
    return DateFromParts(p);
}

ClassCalendar::ClassCalendar() {
    Extender.Send = [this](unsigned& m, WParam& w, LParam& l) { Extender_Send(m, w, l); };
}

ClassCalendar::~ClassCalendar() {
    if (hCalendar) Destroy();
}

void ClassCalendar::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000000u + uint32_t(Style);
    if (MultiSelect) style |= 0x2;
    auto* control = new CalendarControl(parent);
    control_ = control;
    hCalendar = SetUpControl(control, style, 0, 0, KindCalendar);
    Extender.Bind(hCalendar, hDC);
    AttachSubclass(this);
}

void ClassCalendar::Destroy() {
    DetachSubclass(this);
    Extender.Unbind();
    delete control_.data();
    hCalendar = 0;
}

int32_t ClassCalendar::Column() const { return Control() ? Control()->minimumSizeHint().width() : 0; }
int32_t ClassCalendar::Row() const { return Control() ? Control()->minimumSizeHint().height() : 0; }

void ClassCalendar::Colors(int32_t part, uint32_t colour) {
    if (!Control()) return;
    QPalette p = Control()->palette();
    QColor c = ColorOf(colour);
    switch (part) {
    case 0: p.setColor(QPalette::Window, c); break;
    case 1: p.setColor(QPalette::Text, c); break;
    case 2: p.setColor(QPalette::Highlight, c); break;
    case 3: p.setColor(QPalette::HighlightedText, c); break;
    case 4: p.setColor(QPalette::Base, c); break;
    case 5: p.setColor(QPalette::PlaceholderText, c); break;
    default: return;
    }
    Control()->setPalette(p);
}

double ClassCalendar::Current() const { return Control() ? DayCountOfDate(Control()->selectedDate()) : 0; }

void ClassCalendar::SetCurrent(double date) {
    if (Control()) Control()->SetRange(DateOfDayCount(date), DateOfDayCount(date));
}

void ClassCalendar::Range(double minimum, double maximum) {
    if (Control()) Control()->setDateRange(DateOfDayCount(minimum), DateOfDayCount(maximum));
}

int32_t ClassCalendar::SelLimit() const { return Control() ? Control()->Limit() : 0; }

void ClassCalendar::SetSelLimit(int32_t days) {
    if (Control()) Control()->SetLimit(days);
}

double ClassCalendar::SelMin() const { return Control() ? DayCountOfDate(Control()->First()) : 0; }
double ClassCalendar::SelMax() const { return Control() ? DayCountOfDate(Control()->Last()) : 0; }

bool ClassCalendar::SelRange(double minimum, double maximum) {
    return Control() && Control()->SetRange(DateOfDayCount(minimum), DateOfDayCount(maximum));
}

LResult ClassCalendar::Callback(Hwnd, unsigned wmInfo, WParam, LParam, bool&) {
    FocusAndHelp(wmInfo, Events.GotFocus, Events.LostFocus, [this] { WhatsThisHelp(); });
    return 0;
}

void ClassCalendar::Extender_Send(unsigned& wmInfo, WParam&, LParam& lParam) {
    if (wmInfo != WM_NOTIFY || !lParam || !hCalendar) return;
    const auto* header = reinterpret_cast<const NotifyHeader*>(lParam);
    if (header->hwndFrom == hCalendar && header->code == MCN_SELCHANGE && Events.Change) Events.Change();
}

} // namespace gb
