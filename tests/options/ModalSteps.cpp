#include "ModalSteps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>

namespace gb::test {

namespace {

// A window that is shown again is a new appearance for the steps.
class ShowWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
            watched->setProperty("gbStepHandled", false);
        return false;
    }
};

} // namespace

ModalSteps::ModalSteps() : timer_(std::make_unique<QTimer>()), watcher_(std::make_unique<ShowWatcher>()) {
    qApp->installEventFilter(watcher_.get());
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || steps_.empty() || modal->property("gbStepHandled").toBool()) return;
        modal->setProperty("gbStepHandled", true);
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(modal);
    });
    timer_->start(0);
}

ModalSteps::~ModalSteps() { qApp->removeEventFilter(watcher_.get()); }

ModalSteps& ModalSteps::Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

QAbstractButton* ModalSteps::Button(QWidget* window, const std::string& caption) {
    const QString wanted = QString::fromStdString(caption);
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        QString text = button->text();
        if (text == wanted) return button;
        if (text.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&"))) == wanted) return button;
    }
    return nullptr;
}

void ModalSteps::Click(QWidget* window, const std::string& caption) {
    if (QAbstractButton* button = Button(window, caption)) button->click();
}

std::string ModalSteps::Texts(QWidget* window) {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts << label->text();
    return texts.join(u'|').toStdString();
}

} // namespace gb::test
