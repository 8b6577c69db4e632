#include "ModalEcho.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <fstream>
#include <string>

namespace gb {
namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

} // namespace

void EchoModal(QWidget* dialog, std::string_view kind, std::string_view caption, std::string_view text,
               uint32_t style) {
    const char* file = std::getenv("GLIMMERBOX_DIALOG_ECHO");
    if (!file || !*file) return;
    {
        std::ofstream out(file, std::ios::app | std::ios::binary);
        out << kind << '\t' << Escaped(caption) << '\t' << Escaped(text) << '\t' << style << '\n';
    }
    QTimer::singleShot(0, dialog, [dialog] {
        QPushButton* chosen = nullptr;
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (!chosen) chosen = b;
            if (b->isDefault()) {
                chosen = b;
                break;
            }
        }
        if (chosen) chosen->click();
    });
}

} // namespace gb
