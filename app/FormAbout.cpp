#include "FormAbout.h"

#include "platform/Desktop.h"
#include "shell/CompanionLibraries.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace gb {

FormAbout::FormAbout(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QString::fromUtf8("バージョン情報"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedWidth(360);
    setMinimumHeight(150);
    resize(360, 150);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/pictures/glimmerbox.png")));
    icon->setGeometry(12, 12, 48, 48);

    LabelTitle = new QLabel(QString::fromStdString(AppTitle()), this);
    QFont big = LabelTitle->font();
    big.setPointSize(14);
    big.setBold(true);
    LabelTitle->setFont(big);
    LabelTitle->setGeometry(72, 10, 270, 28);

    LabelVersion = new QLabel(this);
    LabelVersion->setText(QStringLiteral("%1.%2,%3\n%4")
                              .arg(VersionMajor())
                              .arg(VersionMinor())
                              .arg(VersionRevision())
                              .arg(QString::fromUtf8(LegalCopyright())));
    LabelVersion->setGeometry(72, 40, 270, 50);
    LabelVersion->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    CommandOK = new QPushButton(QStringLiteral("OK"), this);
    CommandOK->setGeometry(272, 110, 76, 26);
    CommandOK->setDefault(true);
    CommandHelp = new QPushButton(QString::fromUtf8("ヘルプ(&H)"), this);
    CommandHelp->setGeometry(190, 110, 76, 26);

    // Shown only when the box has grown: who made the program.
    auto* credits = new QLabel(QString::fromUtf8("Glimmerbox を作った人たち:\n写真を愛するすべての開発者に感謝します。"), this);
    credits->setGeometry(12, 150, 336, 60);
    credits->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    connect(CommandOK, &QPushButton::clicked, this, [this] { hide(); done(Accepted); });
    connect(CommandHelp, &QPushButton::clicked, this, [this] {
        // F1 opens the help topic of the box.
        raise();
        activateWindow();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(this, &press);
    });
    // Every character typed in the box counts: keys the focused button does not use
    // reach the box itself.
    installEventFilter(this);
}

std::string& FormAbout::TypedText() {
    static std::string text;
    return text;
}

int FormAbout::VersionMajor() { return GB_VERSION_MAJOR; }
int FormAbout::VersionMinor() { return GB_VERSION_MINOR; }
int FormAbout::VersionRevision() { return GB_VERSION_REVISION; }
const char* FormAbout::LegalCopyright() { return "Copyright (C) 2026 Glimmerbox の開発者"; }
const char* FormAbout::LegalTrademarks() { return "Glimmerbox"; }

bool FormAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::KeyPress) {
        QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && text[0].isPrint()) Form_KeyPress(text);
    }
    return false;
}

void FormAbout::Form_KeyPress(const QString& text) {
    TypedText() += text.toStdString();
    // Typing the trademark text reveals the credits; the text keeps growing afterwards,
    // so it matches only once.
    if (TypedText() == LegalTrademarks()) {
        int twips = TwipsPerPixelY();
        int grow = 1200 / (twips > 0 ? twips : 15);
        int target = height() + grow;
        setMinimumHeight(target);
        resize(width(), target);
    }
}

void FormAbout::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    CommandOK->setFocus();
}

void FormAbout::closeEvent(QCloseEvent* event) { event->accept(); }

} // namespace gb
