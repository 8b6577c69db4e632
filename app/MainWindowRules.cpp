#include "MainWindowRules.h"

#include "platform/draw/Rounding.h"

namespace gb {

QPoint KeepOnScreen(const QRect& frame, const QRect& screen) {
    int left = frame.left(), top = frame.top();
    if (left < screen.left()) left = screen.left();
    if (top < screen.top()) top = screen.top();
    if (left + frame.width() > screen.left() + screen.width()) left = screen.left() + screen.width() - frame.width();
    if (top + frame.height() > screen.top() + screen.height()) top = screen.top() + screen.height() - frame.height();
    return {left, top};
}

LayeredSwitch LayeredSwitchOf(int32_t alphaBlend) {
    if (alphaBlend >= 1 && alphaBlend <= 99) return LayeredSwitch::On;
    if (alphaBlend == 0 || alphaBlend == 100) return LayeredSwitch::Off;
    return LayeredSwitch::Unchanged;
}

int LayeredOpacity(bool active, int32_t alphaBlend) {
    return RoundHalfEven((active ? 100.0 : double(alphaBlend)) * 255 / 100);
}

int32_t JogTickFrequency(int count) {
    if (count >= 1 && count <= 10) return 1;
    if (count >= 11 && count <= 100) return 10;
    if (count >= 101 && count <= 1000) return 100;
    return 0;
}

std::string RecentCaption(int index, const std::string& folder) {
    const size_t slash = folder.rfind('/');
    return "&" + std::to_string(index) + " " + (slash == std::string::npos ? folder : folder.substr(slash + 1));
}

std::string TrimLocation(const std::string& given) {
    std::string path = given;
    if (!path.empty() && path.front() == '"') path = path.size() >= 2 ? path.substr(1, path.size() - 2) : std::string();
    if (!path.empty() && path.back() == '/') path.pop_back();
    return path;
}

} // namespace gb
