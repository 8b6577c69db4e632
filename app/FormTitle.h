#pragma once
// The splash window: a 240 x 80 picture shown while the main window is built, which
// unloads itself 2.5 seconds after it was loaded.
#include <QTimer>
#include <QWidget>

namespace gb {

class FormTitle : public QWidget {
public:
    FormTitle();
    // Shows the splash modelessly and starts TimerWait.
    void Load();

    QTimer TimerWait;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void TimerWait_Timer();
    QPixmap picture_;
};

} // namespace gb
