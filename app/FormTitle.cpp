#include "FormTitle.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace gb {

FormTitle::FormTitle() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Glimmerbox"));
    picture_.load(QStringLiteral(":/pictures/splash.png"));
    setFixedSize(240, 80);
    TimerWait.setInterval(2500);
    TimerWait.setSingleShot(true);
    connect(&TimerWait, &QTimer::timeout, this, [this] { TimerWait_Timer(); });
}

void FormTitle::Load() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    TimerWait.start();
    show();
}

void FormTitle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

// Unloading hides the splash; nothing that goes wrong here matters to the user.
void FormTitle::TimerWait_Timer() { close(); }

} // namespace gb
