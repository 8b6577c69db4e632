#include "DialogBox.h"

#include "Cp932.h"
#include "ModalEcho.h"

#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QValidator>
#include <map>

namespace gb {
namespace {

// Accepts only texts that code page 932 can hold exactly.
class Cp932Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return ToCp932(input.toStdString()).exact ? Acceptable : Invalid;
    }
};

class Dialog : public QDialog, public DialogWindow {
public:
    Dialog(QWidget* owner, const DialogTemplate& t, DialogProcedure procedure)
        : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), procedure_(std::move(procedure)) {
        QFont font(QString::fromUtf8(t.fontName.c_str()), t.pointSize);
        setFont(font);
        // Dialog units: a quarter of the average character width across, an eighth of
        // the character height down.
        QFontMetrics metrics(font);
        const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        baseX_ = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
        baseY_ = metrics.height();
        setFixedSize(X(t.width), Y(t.height));
        for (const DialogControl& c : t.controls) Create(c);
    }

    Hwnd Handle() const override { return HandleOf(const_cast<Dialog*>(this)); }
    void SetCaption(const std::string& text) override { setWindowTitle(QString::fromStdString(text)); }
    void SetItemText(int id, const std::string& text) override {
        QWidget* w = items_.count(id) ? items_[id] : nullptr;
        QString q = QString::fromStdString(text);
        if (auto* l = qobject_cast<QLabel*>(w)) l->setText(q);
        else if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(q);
        else if (auto* b = qobject_cast<QPushButton*>(w)) b->setText(q);
    }
    std::string ItemText(int id) const override {
        auto it = items_.find(id);
        QWidget* w = it == items_.end() ? nullptr : it->second;
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
        if (auto* b = qobject_cast<QPushButton*>(w)) return b->text().toStdString();
        return {};
    }
    Hwnd Item(int id) const override {
        auto it = items_.find(id);
        return it == items_.end() ? 0 : HandleOf(it->second);
    }
    void End(intptr_t result) override {
        result_ = result;
        ended_ = true;
        done(0);
    }

    intptr_t Run() {
        if (procedure_(*this, WM_INITDIALOG, 0, 0) && firstTabStop_) {
            firstTabStop_->setFocus();
            if (auto* e = qobject_cast<QLineEdit*>(firstTabStop_)) e->selectAll();
        }
        std::string texts;
        for (const auto& [id, w] : items_)
            if (qobject_cast<QLabel*>(w)) texts += ItemText(id);
        EchoModal(this, "Dialog", windowTitle().toStdString(), texts, 0);
        exec();
        return ended_ ? result_ : 2;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            Command(2);
        } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            Command(1);
        } else {
            QDialog::keyPressEvent(event);
        }
    }
    void closeEvent(QCloseEvent* event) override {
        if (!ended_) {
            event->ignore();
            Command(2);
        }
    }
    void reject() override {
        if (!ended_) Command(2);
    }

private:
    int X(int dlu) const { return (dlu * baseX_ + 2) / 4; }
    int Y(int dlu) const { return (dlu * baseY_ + 4) / 8; }

    void Command(int id) { procedure_(*this, WM_COMMAND, uintptr_t(id), 0); }

    void Create(const DialogControl& c) {
        QWidget* w = nullptr;
        switch (c.kind) {
        case DialogControl::Icon: {
            auto* l = new QLabel(this);
            QPixmap pixmap(QString::fromStdString(c.text));
            l->setPixmap(pixmap);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = l;
            break;
        }
        case DialogControl::Static: {
            auto* l = new QLabel(this);
            l->setTextFormat(Qt::PlainText);
            l->setWordWrap(true);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = l;
            break;
        }
        case DialogControl::Edit: {
            auto* e = new QLineEdit(this);
            if (c.ansiOnly) e->setValidator(new Cp932Validator(e));
            w = e;
            break;
        }
        case DialogControl::Button: {
            auto* b = new QPushButton(this);
            b->setDefault(c.defaultButton);
            b->setAutoDefault(false);
            int id = c.id;
            connect(b, &QPushButton::clicked, this, [this, id] { Command(id); });
            w = b;
            break;
        }
        }
        w->setGeometry(X(c.x), Y(c.y), X(c.width), Y(c.height));
        w->setFocusPolicy(c.tabStop ? Qt::StrongFocus : Qt::NoFocus);
        if (c.tabStop && !firstTabStop_ && c.kind != DialogControl::Button) firstTabStop_ = w;
        items_[c.id] = w;
        if (c.kind != DialogControl::Icon) SetItemText(c.id, c.text);
    }

    DialogProcedure procedure_;
    std::map<int, QWidget*> items_;
    QWidget* firstTabStop_ = nullptr;
    int baseX_ = 6, baseY_ = 12;
    intptr_t result_ = 0;
    bool ended_ = false;
};

} // namespace

intptr_t DialogBoxIndirect(Hwnd owner, const DialogTemplate& t, DialogProcedure procedure) {
    if (!procedure) return -1;
    Dialog dialog(WidgetOf(owner), t, std::move(procedure));
    return dialog.Run();
}

} // namespace gb
