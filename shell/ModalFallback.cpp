#include "ModalFallback.h"

#include <QDialog>
#include <QTimer>
#include <cstdlib>

namespace gb {

void CancelIfStillOpenUnderEcho(QDialog& dialog) {
    const char* echo = std::getenv("GLIMMERBOX_DIALOG_ECHO");
    if (!echo || !*echo) return;
    // Queued after the hook's own answer, which runs first.
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (dialog.isVisible()) dialog.reject();
    });
}

} // namespace gb
