#pragma once
// Window handles and window properties for Qt widgets. Every widget the program works
// with through the window layer gets a small non-zero handle for its lifetime; a
// handle is never reused while its widget lives, and dies with the widget.
#include <cstdint>
#include <string_view>

class QWidget;

namespace gb {

using Hwnd = std::intptr_t;

Hwnd HandleOf(QWidget* widget); // 0 for nullptr
QWidget* WidgetOf(Hwnd handle); // nullptr for an unknown or dead handle
bool IsWindow(Hwnd handle);

// Named values attached to a window; names match without regard to letter case.
// GetProp of a missing name is 0; RemoveProp returns the value it removed.
bool SetProp(Hwnd handle, std::string_view name, std::intptr_t value);
std::intptr_t GetProp(Hwnd handle, std::string_view name);
std::intptr_t RemoveProp(Hwnd handle, std::string_view name);

} // namespace gb
