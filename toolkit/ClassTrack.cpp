#include "ClassTrack.h"

#include <cstring>

namespace gb {

ClassTrack::~ClassTrack() { Detach(); }

void ClassTrack::Attach() {
    if (attached_ || !IsWindow(owner_)) return;
    if (GetProp(owner_, "POINTER")) return; // another single owner holds the window
    SetProp(owner_, "POINTER", reinterpret_cast<std::intptr_t>(this));
    attached_ = owner_;
    previous_ = SetWindowProc(owner_, &TrackWindowProc);
}

void ClassTrack::Detach() {
    if (!attached_) return;
    if (IsWindow(attached_)) {
        SetWindowProc(attached_, previous_ ? previous_ : &DefWindowProc);
        RemoveProp(attached_, "POINTER");
    }
    attached_ = 0;
    previous_ = nullptr;
}

LResult ClassTrack::Message(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam) {
    if (message == WM_GETMINMAXINFO && lParam) {
        MinMaxInfo info;
        std::memcpy(&info, reinterpret_cast<const void*>(lParam), sizeof info);
        if (MinWidth) info.minTrackSize.x = MinWidth;
        if (MinHeight) info.minTrackSize.y = MinHeight;
        if (MaxWidth) info.maxTrackSize.x = MaxWidth;
        if (MaxHeight) info.maxTrackSize.y = MaxHeight;
        std::memcpy(reinterpret_cast<void*>(lParam), &info, sizeof info);
        return 0;
    }
    return CallWindowProc(previous_, hWnd, message, wParam, lParam);
}

LResult TrackWindowProc(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam) {
    auto* track = reinterpret_cast<ClassTrack*>(GetProp(hWnd, "POINTER"));
    if (!track) return DefWindowProc(hWnd, message, wParam, lParam);
    try {
        return track->Message(hWnd, message, wParam, lParam);
    } catch (...) {
        return 0; // the procedure always returns
    }
}

} // namespace gb
