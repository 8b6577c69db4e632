#pragma once
// Limits the size to which the user can drag a window: it answers the window's
// get-min-max-info message with its limits (0: no limit), through the single-owner
// subclassing ("POINTER" holds it, TrackWindowProc is the procedure).
#include "platform/window/WindowProcedure.h"

namespace gb {

class ClassTrack {
public:
    ClassTrack() = default;
    ~ClassTrack();
    ClassTrack(const ClassTrack&) = delete;
    ClassTrack& operator=(const ClassTrack&) = delete;

    int16_t MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;

    void SetOwner(Hwnd window) { owner_ = window; }
    // A second Attach while attached does nothing.
    void Attach();
    void Detach();

    // The owner's messages, called by TrackWindowProc.
    LResult Message(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam);

private:
    Hwnd owner_ = 0;
    Hwnd attached_ = 0;
    WindowProc previous_ = nullptr;
};

// The window procedure of a window a ClassTrack is attached to.
LResult TrackWindowProc(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam);

} // namespace gb
