#include "GeneralEditor.h"

#include <exception>

namespace gb {

ThumbnailExtensions& EditorExtensions() {
    static ThumbnailExtensions extensions;
    return extensions;
}

bool RunStep(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace gb
