#include "GeneralCommonControlsEx.h"

#include "ClassCommonControlsEx.h"
#include "platform/window/KeyboardHook.h"
#include "platform/window/WindowProcedure.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace gb {
namespace {

constexpr const char* kCounter = "COUNTER";
constexpr const char* kHandler = "HANDLER";

std::string PointerName(std::intptr_t position) { return "POINTER" + std::to_string(position); }

// Where each subscriber is registered, so that one that ends without detaching can
// be taken out (its Handle can no longer be asked then).
std::multimap<InterfaceSubclass*, Hwnd>& Registrations() {
    static std::multimap<InterfaceSubclass*, Hwnd> registrations;
    return registrations;
}

std::vector<InterfaceSubclass*> hookSubscribers;
Hhook hook = 0;

void DetachFrom(Hwnd window, InterfaceSubclass* subscriber) {
    auto [first, last] = Registrations().equal_range(subscriber);
    for (auto it = first; it != last;) it = it->second == window ? Registrations().erase(it) : std::next(it);
    std::intptr_t n = GetProp(window, kCounter);
    if (n <= 0) return;
    std::vector<std::intptr_t> kept;
    for (std::intptr_t j = 1; j <= n; ++j) {
        std::intptr_t value = RemoveProp(window, PointerName(j));
        if (value && value != reinterpret_cast<std::intptr_t>(subscriber)) kept.push_back(value);
    }
    if (!kept.empty()) {
        for (size_t k = 0; k < kept.size(); ++k) SetProp(window, PointerName(std::intptr_t(k + 1)), kept[k]);
        SetProp(window, kCounter, std::intptr_t(kept.size()));
        return;
    }
    auto previous = reinterpret_cast<WindowProc>(RemoveProp(window, kHandler));
    SetWindowProc(window, previous ? previous : &DefWindowProc);
    RemoveProp(window, kCounter);
}

void ForgetSubscriber(InterfaceSubclass* subscriber) {
    std::vector<Hwnd> windows;
    auto [first, last] = Registrations().equal_range(subscriber);
    for (auto it = first; it != last; ++it) windows.push_back(it->second);
    for (Hwnd window : windows) DetachFrom(window, subscriber);
    bool wasHooked = !hookSubscribers.empty();
    hookSubscribers.erase(std::remove(hookSubscribers.begin(), hookSubscribers.end(), subscriber),
                          hookSubscribers.end());
    if (wasHooked && hookSubscribers.empty()) {
        UnhookWindowsHookEx(hook);
        hook = 0;
    }
}

} // namespace

InterfaceSubclass::~InterfaceSubclass() { ForgetSubscriber(this); }

void AttachSubclass(InterfaceSubclass* subscriber) {
    if (!subscriber) return;
    Hwnd window = subscriber->Handle();
    if (!IsWindow(window)) return;
    auto value = reinterpret_cast<std::intptr_t>(subscriber);
    std::intptr_t n = GetProp(window, kCounter);
    Registrations().emplace(subscriber, window);
    if (n > 0) {
        SetProp(window, kCounter, n + 1);
        SetProp(window, PointerName(n + 1), value);
        return;
    }
    SetProp(window, kCounter, 1);
    SetProp(window, PointerName(1), value);
    WindowProc previous = SetWindowProc(window, &SubclassProc);
    SetProp(window, kHandler, reinterpret_cast<std::intptr_t>(previous));
}

void DetachSubclass(InterfaceSubclass* subscriber) {
    if (subscriber) DetachFrom(subscriber->Handle(), subscriber);
}

LResult SubclassProc(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam) {
    bool Default = true;
    LResult last = 0;
    std::intptr_t n = GetProp(hWnd, kCounter);
    for (std::intptr_t i = 1; i <= n; ++i) {
        auto* subscriber = reinterpret_cast<InterfaceSubclass*>(GetProp(hWnd, PointerName(i)));
        if (!subscriber) continue;
        try {
            last = subscriber->Callback(hWnd, message, wParam, lParam, Default);
        } catch (...) {
            // A failing subscriber must not take the message with it.
        }
    }
    if (!Default) return last;
    auto previous = reinterpret_cast<WindowProc>(GetProp(hWnd, kHandler));
    if (!previous) {
        // The last subscriber left while the message was on its way.
        WindowProc current = GetWindowProc(hWnd);
        previous = current && current != &SubclassProc ? current : &DefWindowProc;
    }
    return CallWindowProc(previous, hWnd, message, wParam, lParam);
}

void AttachKeyboardHook(InterfaceSubclass* subscriber) {
    if (!subscriber) return;
    if (hookSubscribers.empty())
        hook = SetWindowsHookEx(WH_KEYBOARD, &KeyboardHookProc, 0, GetCurrentThreadId());
    hookSubscribers.push_back(subscriber);
}

void DetachKeyboardHook(InterfaceSubclass* subscriber) {
    auto it = std::find(hookSubscribers.begin(), hookSubscribers.end(), subscriber);
    if (it == hookSubscribers.end()) return;
    hookSubscribers.erase(it);
    if (hookSubscribers.empty()) {
        UnhookWindowsHookEx(hook);
        hook = 0;
    }
}

std::intptr_t KeyboardHookProc(int code, WParam wParam, LParam lParam) {
    bool Cancel = false;
    if (code >= 0 && code <= 5) {
        std::vector<InterfaceSubclass*> subscribers = hookSubscribers;
        for (InterfaceSubclass* s : subscribers) {
            // One that left during an earlier call is not called any more.
            if (std::find(hookSubscribers.begin(), hookSubscribers.end(), s) == hookSubscribers.end()) continue;
            try {
                s->CallbackWindowsEx(wParam, lParam, Cancel);
            } catch (...) {
            }
        }
    }
    if (Cancel) return 1;
    return CallNextHookEx(hook, code, wParam, lParam);
}

std::intptr_t KeyboardHookHandle() { return hook; }

int16_t LoWord(int32_t value) { return static_cast<int16_t>(static_cast<uint32_t>(value) & 0xFFFF); }
int16_t HiWord(int32_t value) { return static_cast<int16_t>((static_cast<uint32_t>(value) >> 16) & 0xFFFF); }
int32_t MakeLong(int16_t low, int16_t high) { return int32_t(high) * 65536 + int32_t(low); }

int32_t CommonControlsVersion() {
    ClassCommonControlsEx site;
    return site.CommonControlsExInfo();
}

} // namespace gb
