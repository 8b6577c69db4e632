#pragma once
// Drives the modal windows a test opens, one step per window: each step runs once on
// the next modal window that appears (a window that no earlier step handled) and must
// close it or leave it for a later step of its own.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <string>

class QAbstractButton;

namespace gb::test {

class ModalSteps {
public:
    using Step = std::function<void(QWidget*)>;

    ModalSteps();
    ~ModalSteps();

    ModalSteps& Then(Step step);
    // Steps not run yet.
    size_t Pending() const { return steps_.size(); }

    // The button of a window by its caption ("OK", "キャンセル", "再試行(&R)" ...);
    // a caption without "&" also finds a button whose caption has one.
    static QAbstractButton* Button(QWidget* window, const std::string& caption);
    static void Click(QWidget* window, const std::string& caption);
    // The texts of a window's labels, joined by "|".
    static std::string Texts(QWidget* window);

private:
    std::deque<Step> steps_;
    std::unique_ptr<QTimer> timer_;
    std::unique_ptr<QObject> watcher_;
};

} // namespace gb::test
