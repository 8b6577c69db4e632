#pragma once
// The main window: a small control panel, 320 x 60 pixels, that stays on the desktop
// while the pictures play in the theater window. It opens albums (command line,
// history, album choice, dropped files), keeps the history, carries the slideshow's
// jog controls and the command tool bar, draws its own title strip, can stay on top
// and turns translucent when inactive.
#include "FileDropTarget.h"
#include "JogControls.h"
#include "MainMenus.h"
#include "SpeedToolBar.h"
#include "TitleStrip.h"
#include "media/ClassMultimedia.h"
#include "platform/draw/Canvas.h"
#include "shell/ClassWindow.h"
#include "slideshow/ClassSlideshow.h"
#include "toolkit/ClassBehavior.h"
#include "toolkit/ClassButton.h"
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassSlider.h"
#include "toolkit/ClassStatusBar.h"
#include "toolkit/ClassToolBar.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace gb {

class FormTheater;

class FormMain : public QWidget {
public:
    // The command tool bar's buttons.
    enum SpeedButton : int32_t {
        SpeedChooseAlbum = 11,
        SpeedProperties = 12,
        SpeedClip = 21,
        SpeedTheater = 22,
        SpeedRandom = 23,
        SpeedRepeat = 24,
    };

    FormMain();
    ~FormMain() override;

    // The load of the window: builds the controls, restores the state, shows the
    // window and opens the command line.
    void Form_Load(const std::string& commandLine);

    // Public operations of the other windows.
    void Form_KeyDown(int keyCode, int shift);
    void Form_KeyUp(int keyCode, int shift);
    void Remake();
    bool CanTrashRecents() const;
    void TrashRecents();
    void Reload();
    void Slideshow(int32_t mode);

    void RestoreState();
    void StoreState();
    void OpenLocation(const std::string& path);
    void AddRecent();
    void LockJog(bool flag);
    void SuspendTopmost(bool flag);
    // After the title strip was dragged: the window goes back inside the screen.
    void PullOnScreen();

    // Windows that other parts of the program provide. Each starts as a stand-in:
    // the album choice opens the folder browser, the others do nothing yet.
    struct Windows {
        std::function<std::string(FormMain&)> ChooseAlbum;    // the folder to open, "" for none
        std::function<void(FormMain&)> ShowAlbumEditor;       // modeless
        std::function<void(FormMain&)> UnloadAlbumEditor;     // when another album opens
        std::function<void(FormMain&)> ShowOptions;           // modal
    } Seams;

    // The theater window (created hidden on first use).
    FormTheater& Theater();
    ClassSlideshow& Controller() { return *slideshow_; }
    MainMenus& Menus() { return menus_; }

    bool Active = false;
    bool Layered = false;

    QWidget* FrameControler;
    QWidget* ShapeJogs[2];
    QWidget* PictureQuickViewer;
    TitleStrip* PictureTitle;
    QPushButton* CommandButtons[2];
    QTimer TimerSlideshow;

    ClassImageList ImagesSpeed;
    SpeedToolBar ToolBarSpeed;
    ClassStatusBar StatusBar;
    ClassSlider SliderJog;
    ClassImageList ImagesJog;
    ClassToolBar ToolBarJog;
    ClassBehavior Behavior;
    ClassWindow WindowEffects;
    ClassButton ButtonHelper;
    ClassMultimedia Multimedia;
    FileDropTarget* DropTarget;

    void ToolBarSpeed_ItemClick(int32_t key);
    void ToolBarSpeed_DropDown(int32_t key, int32_t x, int32_t y);
    void MenuFiles_Click(int index);
    void MenuViews_Click(int index);
    void MenuRecents_Click(const std::string& folder);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    class CinemaLink;

    void BuildControls();
    void DestroyControls();
    void QueryUnload();
    void Unload();
    void PauseRunningShow();
    void ApplyToggle(int32_t key, bool pressed);
    void ShowAbout();
    void Show(const std::function<void()>& call);
    bool Busy() const;
    void CloseWhenIdle();

    MainMenus menus_;
    Canvas quickViewerCanvas_;
    std::unique_ptr<JogControls> jogControls_;
    std::unique_ptr<CinemaLink> cinema_;
    std::unique_ptr<ClassSlideshow> slideshow_;
    std::unique_ptr<FormTheater> theater_;
    QTimer placementCheck_;
    bool moving_ = false;
    QPoint dragOffset_;
    int opening_ = 0;
    bool closePending_ = false;
    bool closing_ = false;
    bool controlsBuilt_ = false;
};

} // namespace gb
