#pragma once
// Drives the next modal dialog from inside its event loop.
#include <QWidget>
#include <QTimer>
#include <functional>
#include <memory>

namespace gb::test {

// Runs `step` with the modal dialog once one is on screen. `step` must close it.
void WhenModal(std::function<void(QWidget*)> step);

// While it lives, closes whatever modal dialog appears, remembering that one did.
class ModalGuard {
public:
    ModalGuard();
    ~ModalGuard();
    bool Shown() const { return shown_; }

private:
    std::unique_ptr<QTimer> timer_;
    bool shown_ = false;
};

} // namespace gb::test
