#include "GeneralTheme.h"

#include "ClassTheme.h"

namespace gb {

LResult ThemeWindowProc(Hwnd hWnd, unsigned message, WParam wParam, LParam lParam) {
    auto* theme = reinterpret_cast<ClassTheme*>(GetProp(hWnd, "POINTER"));
    if (!theme) return DefWindowProc(hWnd, message, wParam, lParam);
    try {
        return theme->Message(hWnd, message, wParam, lParam);
    } catch (...) {
        return 0; // the procedure always returns
    }
}

} // namespace gb
