#include "WindowHandle.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cctype>
#include <map>
#include <string>
#include <unordered_map>

namespace gb {
namespace {

struct Window {
    QPointer<QWidget> widget;
    std::map<std::string, std::intptr_t> properties;
};

struct Registry {
    std::unordered_map<Hwnd, Window> windows;
    std::unordered_map<QWidget*, Hwnd> handles;
    Hwnd next = 0x10000;
};

Registry& Windows() {
    static Registry registry;
    return registry;
}

std::string Key(std::string_view name) {
    std::string key(name);
    for (char& c : key) c = char(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

Window* Find(Hwnd handle) {
    auto it = Windows().windows.find(handle);
    if (it == Windows().windows.end() || !it->second.widget) return nullptr;
    return &it->second;
}

} // namespace

Hwnd HandleOf(QWidget* widget) {
    if (!widget) return 0;
    Registry& r = Windows();
    auto it = r.handles.find(widget);
    if (it != r.handles.end() && r.windows.count(it->second) && r.windows[it->second].widget == widget)
        return it->second;
    Hwnd handle = r.next;
    r.next += 4;
    r.windows[handle].widget = widget;
    r.handles[widget] = handle;
    QObject::connect(widget, &QObject::destroyed, [handle, widget] {
        Windows().windows.erase(handle);
        auto h = Windows().handles.find(widget);
        if (h != Windows().handles.end() && h->second == handle) Windows().handles.erase(h);
    });
    return handle;
}

QWidget* WidgetOf(Hwnd handle) {
    Window* w = Find(handle);
    return w ? w->widget.data() : nullptr;
}

bool IsWindow(Hwnd handle) { return Find(handle) != nullptr; }

bool SetProp(Hwnd handle, std::string_view name, std::intptr_t value) {
    Window* w = Find(handle);
    if (!w) return false;
    w->properties[Key(name)] = value;
    return true;
}

std::intptr_t GetProp(Hwnd handle, std::string_view name) {
    Window* w = Find(handle);
    if (!w) return 0;
    auto it = w->properties.find(Key(name));
    return it == w->properties.end() ? 0 : it->second;
}

std::intptr_t RemoveProp(Hwnd handle, std::string_view name) {
    Window* w = Find(handle);
    if (!w) return 0;
    auto it = w->properties.find(Key(name));
    if (it == w->properties.end()) return 0;
    std::intptr_t value = it->second;
    w->properties.erase(it);
    return value;
}

} // namespace gb
