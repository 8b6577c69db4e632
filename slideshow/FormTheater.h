#pragma once
// The theater window, in which the slideshow shows its pictures: a window sized to
// the picture with the album and picture titles as its caption (windowed mode), or
// maximised without a caption with the picture fitted to the screen on black (theater
// mode). For each picture it loads the file, applies the album's live filter, scales
// the result into its off-screen buffer, plays the transition and the sound effect.
// It also offers a pencil and a context menu, and passes every key on.
#include "CinemaScreen.h"
#include "ClassEngine.h"
#include "TheaterMenu.h"
#include "media/ClassMultimedia.h"
#include "platform/draw/Canvas.h"
#include "shell/ClassDesktop.h"
#include "shell/ClassWindow.h"
#include "toolkit/ClassBehavior.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

namespace gb {

class FormTheater : public QWidget, public CinemaScreen {
public:
    // `controller` is the main window: the appear and leave animations start from its
    // centre, and double click shows and hides it in theater mode.
    explicit FormTheater(QWidget* controller);
    ~FormTheater() override;

    bool TheaterMode = false;
    bool PencilMode = false;

    struct EventHandlers {
        // Every key, as a virtual-key code with the shift state (1 Shift, 2 Ctrl, 4 Alt).
        std::function<void(int keyCode, int shift)> KeyDown;
        std::function<void(int keyCode, int shift)> KeyUp;
    } Events;

    bool IsCinemaRunning() override;
    void ShowCinema() override;
    void HideCinema() override;
    bool StartCinema() override;
    void CinemaTheaterMode(bool value);

    // Stores the placement in the settings and lets go of the helpers; the window
    // closes with the program.
    void Unload();

    // The title of the current picture, the display rectangle of the last picture,
    // and the two drawing surfaces (for tests and tools).
    const std::string& CaptionText() const { return caption_; }
    QRect DisplayRect() const { return display_; }
    const Canvas& Screen() const { return screen_; }
    const Canvas& PictureTheater() const { return buffer_; }
    TheaterMenu& ContextMenu() { return menu_; }

    // Redraws the current picture without a transition (the title switched).
    void Redraw();
    // The mouse pointer: the arrow in pencil mode or while the main window is
    // visible, else the transparent pointer.
    void ApplyMousePointer();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ClearWindow();
    void ClearBuffer(int width, int height);
    QPoint ControllerCentre() const;
    void ApplyResizeRule();
    void FillScreen();
    void ToggleController();
    void SetPen();
    QRect ComputeDisplayRect(int pictureWidth, int pictureHeight) const;
    void RenderPicture(bool Display, const std::vector<int>& effects);
    void PlaySoundEffect();

    QPointer<QWidget> controller_;
    Canvas screen_;
    Canvas buffer_;
    ClassEngine engine_;
    ClassBehavior behavior_;
    ClassDesktop desktop_;
    ClassWindow effects_;
    ClassMultimedia media_;
    TheaterMenu menu_;
    std::string caption_;
    QSize lastDisplaySize_;
    QRect display_;
    QPoint lastPoint_;
    bool pencilDown_ = false;
    bool unloaded_ = false;
    bool switching_ = false;
};

} // namespace gb
