#include "ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace gb::test {

void WhenModal(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, qApp, [step] {
        if (QWidget* modal = QApplication::activeModalWidget()) step(modal);
        else WhenModal(step);
    });
}

ModalGuard::ModalGuard() : timer_(std::make_unique<QTimer>()) {
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown_ = true;
            dialog->reject();
        }
    });
    timer_->start(0);
}

ModalGuard::~ModalGuard() = default;

} // namespace gb::test
