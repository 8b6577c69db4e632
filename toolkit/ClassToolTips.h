#pragma once
// Tool tips for the tools of one owner window: the buttons of a tool bar (by command
// id), the tabs of a tab strip (by index), a slider, or any window as a whole. Tools
// are queued with Add and registered with Complete; a tool bar, tab strip or slider
// that receives this object as its tool tips becomes the owner.
#include "InterfaceDock.h"

#include <QPointer>
#include <QVariant>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QWidget;

namespace gb {

class ClassToolTips : public InterfaceDock {
public:
    ClassToolTips() = default;
    ~ClassToolTips() override;
    ClassToolTips(const ClassToolTips&) = delete;
    ClassToolTips& operator=(const ClassToolTips&) = delete;

    std::intptr_t hToolTips = 0;
    QVariant Tag;

    // The owner is `hWnd` until a partner announces itself.
    void Create(std::intptr_t hWnd, std::intptr_t hDC);
    void Destroy();

    void Add(const std::string& Caption, int32_t Key);
    void Complete();
    void Remove(int32_t Key);
    int32_t ToolTipsCount() const { return int32_t(tools_.size()); }
    void ToolTipText(int32_t Key, const std::string& text);
    void Margin(int32_t x, int32_t y);
    // The registered text of a tool ("" when none).
    std::string ToolText(int32_t Key) const;

    std::intptr_t Handle() override { return hToolTips; }
    int32_t Superclass() override { return KindToolTips; }
    void Receive(InterfaceDock* Interface) override;

private:
    void Apply(int32_t key, const std::string& text);

    std::intptr_t owner_ = 0;
    std::vector<std::pair<int32_t, std::string>> queue_;
    std::map<int32_t, std::string> tools_;
};

} // namespace gb
