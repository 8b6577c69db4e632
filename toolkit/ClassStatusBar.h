#pragma once
// The status-bar wrapper: panels whose widths are given in pixels, where an omitted
// width marks a panel that shares the free space; Calculate lays them out and raises
// Resize.
#include "ClassCommonControlsEx.h"
#include "StatusBarControl.h"
#include "InterfaceDock.h"
#include "WrapperMembers.h"

#include <QImage>
#include <QPointer>
#include <QVariant>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gb {

class ClassStatusBar : public InterfaceDock {
public:
    ClassStatusBar();
    ~ClassStatusBar() override;
    ClassStatusBar(const ClassStatusBar&) = delete;
    ClassStatusBar& operator=(const ClassStatusBar&) = delete;

    Hwnd hStatusBar = 0;

    // Creation settings.
    int32_t Align = 0;
    bool Border = true;
    bool SizeGrip = false;
    QVariant Tag;

    struct EventHandlers {
        std::function<void()> Resize;
    } Events;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS

    // 1 one simple text, 0 panels.
    int32_t Style() const;
    void SetStyle(int32_t value);
    // Widths in pixels; std::nullopt for a panel that shares the free space.
    void AddPanels(const std::vector<std::optional<int32_t>>& widths);
    void ClearPanels();
    int32_t PanelCount() const;
    std::string Caption() const;
    void SetCaption(const std::string& text);
    std::string Panels(int32_t index) const;
    void SetPanels(int32_t index, const std::string& text);
    void SetPanelIcon(int32_t index, const QImage& icon);
    int32_t PanelWidth(int32_t index) const;
    // The least height of the bar.
    void SetPanelHeight(int32_t height);
    // The right edges of the panels as the bar holds them (-1: the right end).
    std::vector<int32_t> RightEdges() const;
    void Calculate();
    void Margin(int32_t horizontal, int32_t vertical, int32_t between);

    std::intptr_t Handle() override { return hStatusBar; }
    int32_t Superclass() override { return KindStatusBar; }
    void Receive(InterfaceDock*) override {}

private:
    StatusBarControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<StatusBarControl> control_;
    std::vector<std::optional<int32_t>> widths_;
};

} // namespace gb
