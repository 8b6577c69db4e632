#pragma once
// The month-calendar wrapper. Dates are day counts from 1899-12-30; with MultiSelect
// a range of at most SelLimit days can be selected.
#include "CalendarControl.h"
#include "ClassCommonControlsEx.h"
#include "InterfaceDock.h"
#include "InterfaceSubclass.h"
#include "WrapperMembers.h"

#include <QPointer>
#include <QVariant>
#include <functional>

namespace gb {

class ClassCalendar : public InterfaceDock, public InterfaceSubclass {
public:
    ClassCalendar();
    ~ClassCalendar() override;
    ClassCalendar(const ClassCalendar&) = delete;
    ClassCalendar& operator=(const ClassCalendar&) = delete;

    Hwnd hCalendar = 0;

    int32_t Style = 0;
    bool MultiSelect = false;
    int32_t HelpContextID = 0;
    QVariant Tag;

    struct EventHandlers {
        std::function<void()> GotFocus;
        std::function<void()> LostFocus;
        std::function<void()> Change;
    } Events;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS
    void WhatsThisHelp() { Extender.WhatsThisHelp(HelpContextID); }

    // The size of one month.
    int32_t Column() const;
    int32_t Row() const;
    // Parts: 0 background, 1 text, 2 title background, 3 title text, 4 month
    // background, 5 days of the other months.
    void Colors(int32_t part, uint32_t colour);
    double Current() const;
    void SetCurrent(double date);
    void Range(double minimum, double maximum);
    int32_t SelLimit() const;
    void SetSelLimit(int32_t days);
    double SelMin() const;
    double SelMax() const;
    // False, changing nothing, for a range of more than SelLimit days.
    bool SelRange(double minimum, double maximum);

    std::intptr_t Handle() override { return hCalendar; }
    int32_t Superclass() override { return KindCalendar; }
    void Receive(InterfaceDock*) override {}
    LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) override;
    void CallbackWindowsEx(WParam, LParam, bool&) override {}

private:
    void Extender_Send(unsigned& wmInfo, WParam& wParam, LParam& lParam);
    CalendarControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<CalendarControl> control_;
};

// Day counts from 1899-12-30 and dates.
QDate DateOfDayCount(double days);
double DayCountOfDate(QDate date);

} // namespace gb
