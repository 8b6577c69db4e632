#pragma once
// A plain group-box window used as a container for toolkit controls. It starts hidden;
// the owner shows it with SetVisible.
#include <QPointer>
#include <QVariant>
#include <string>

#include "platform/WindowHandle.h"

class QGroupBox;
class QWidget;

namespace gb {

class ClassPanel {
public:
    ClassPanel() = default;
    ~ClassPanel();
    ClassPanel(const ClassPanel&) = delete;
    ClassPanel& operator=(const ClassPanel&) = delete;

    Hwnd hPanel = 0;
    bool ClipChildren = false;
    QVariant Children;
    QVariant Tag;

    void Attach(Hwnd hWnd, std::intptr_t hDC);
    void Detach();
    // Makes `window` the panel's parent; false when it cannot hold the panel.
    bool SetContainer(Hwnd window);
    bool Enabled() const;
    void SetEnabled(bool value);
    bool Visible() const;
    void SetVisible(bool value);
    int32_t Left() const;
    int32_t Top() const;
    int32_t Width() const;
    int32_t Height() const;
    // A width or height of 0 keeps the last one given.
    void Move(int32_t left, int32_t top, int32_t width = 0, int32_t height = 0);
    void Size(int32_t width, int32_t height);
    bool Fit(QWidget* Source, int32_t ScaleMode);
    void ZOrder(Hwnd insertAfter);
    void Refresh();
    std::string Caption() const;
    void SetCaption(const std::string& text);

private:
    QGroupBox* Panel() const;

    int32_t lastWidth_ = 0, lastHeight_ = 0;
};

} // namespace gb
