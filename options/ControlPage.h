#pragma once
// A container control: while the gallery dialog is shown it holds the controls of the
// chosen page. It takes the colours of the window it is placed on, knows the controls
// inside it and beside it, and answers to its own access keys.
#include "platform/WindowHandle.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QShortcut;

namespace gb {

class ControlPage : public QWidget {
public:
    explicit ControlPage(QWidget* parent);

    Hwnd hWnd() const { return HandleOf(const_cast<ControlPage*>(this)); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool value) { setEnabled(value); }
    void Refresh() { repaint(); }
    // Colours as 0x00BBGGRR.
    uint32_t BackColor() const { return backColor_; }
    void SetBackColor(uint32_t colour);
    uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(uint32_t colour);
    // The controls placed inside it, and the controls of the window that holds it.
    std::vector<QWidget*> Children() const;
    std::vector<QWidget*> Neighborhoods() const;
    // The characters it answers to with Alt.
    const std::string& AccessKey() const { return accessKey_; }
    void SetAccessKey(const std::string& keys);

    // The help context of the page it holds (0 when it holds none).
    int32_t HelpContextID = 0;

    struct EventHandlers {
        std::function<void()> Show;
        std::function<void()> Hide;
        std::function<void(int16_t KeyCode)> AccessKeyPress;
    } Events;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ApplyColours();

    uint32_t backColor_ = 0;
    uint32_t foreColor_ = 0;
    std::string accessKey_;
    std::vector<QShortcut*> shortcuts_;
};

} // namespace gb
