#include "MessageBox.h"

#include "ModalEcho.h"

#include <QMessageBox>
#include <QPushButton>
#include <map>
#include <vector>

namespace gb {
namespace {

struct ButtonSpec {
    int id;
    const char* caption;
};

std::vector<ButtonSpec> ButtonsOf(uint32_t type) {
    const ButtonSpec ok{IDOK, "OK"}, cancel{IDCANCEL, "キャンセル"}, abort{IDABORT, "中止(&A)"},
        retry{IDRETRY, "再試行(&R)"}, ignore{IDIGNORE, "無視(&I)"}, yes{IDYES, "はい(&Y)"}, no{IDNO, "いいえ(&N)"},
        again{IDTRYAGAIN, "再実行(&T)"}, go{IDCONTINUE, "続行(&C)"};
    switch (type) {
    case MB_OKCANCEL: return {ok, cancel};
    case MB_ABORTRETRYIGNORE: return {abort, retry, ignore};
    case MB_YESNOCANCEL: return {yes, no, cancel};
    case MB_YESNO: return {yes, no};
    case MB_RETRYCANCEL: return {retry, cancel};
    case MB_CANCELTRYCONTINUE: return {cancel, again, go};
    default: return {ok};
    }
}

QMessageBox::Icon IconOf(uint32_t icon) {
    switch (icon) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int ShowMessageBox(Hwnd owner, std::string_view text, std::string_view caption, uint32_t style) {
    QMessageBox box(WidgetOf(owner));
    box.setWindowTitle(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    QString body = QString::fromUtf8(text.data(), qsizetype(text.size()));
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(body);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(IconOf(style & MB_ICONMASK));

    std::vector<ButtonSpec> specs = ButtonsOf(style & MB_TYPEMASK);
    std::map<QAbstractButton*, int> ids;
    std::vector<QPushButton*> buttons;
    QPushButton* escape = nullptr;
    for (const ButtonSpec& spec : specs) {
        // Only Cancel carries the reject role, so that Esc means Cancel and nothing else
        // (Yes/No and Abort/Retry/Ignore boxes cannot be dismissed with Esc).
        auto role = spec.id == IDCANCEL ? QMessageBox::RejectRole
                    : spec.id == IDOK   ? QMessageBox::AcceptRole
                                        : QMessageBox::ActionRole;
        QPushButton* b = box.addButton(QString::fromUtf8(spec.caption), role);
        ids[b] = spec.id;
        buttons.push_back(b);
        if (spec.id == IDCANCEL || specs.size() == 1) escape = b;
    }
    box.setEscapeButton(escape);
    size_t defaultIndex = (style & MB_DEFMASK) >> 8;
    if (defaultIndex >= specs.size()) defaultIndex = 0;
    box.setDefaultButton(buttons[defaultIndex]);

    EchoModal(&box, "MsgBox", caption, text, style);
    box.exec();
    auto it = ids.find(box.clickedButton());
    if (it != ids.end()) return it->second;
    return escape ? ids[escape] : specs.front().id;
}

} // namespace gb
