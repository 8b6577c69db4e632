#include "KeyData.h"

#include "platform/KeyState.h"

#include <QKeyEvent>

namespace gb {

int VirtualKeyOfEvent(const QKeyEvent& e) {
    int vk = VirtualKeyFromQtKey(e.key());
    if (!vk && !e.text().isEmpty()) {
        QChar c = e.text().at(0).toUpper();
        if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) vk = c.unicode();
    }
    return vk;
}

std::intptr_t KeyDataOfEvent(const QKeyEvent& e, bool release) {
    uint32_t data = 1 | ((e.nativeScanCode() & 0xFF) << 16);
    if (e.modifiers() & Qt::AltModifier) data |= 1u << 29;
    if (release || e.isAutoRepeat()) data |= 1u << 30;
    if (release) data |= 1u << 31;
    return std::intptr_t(int32_t(data));
}

} // namespace gb
