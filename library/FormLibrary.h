#pragma once
// The library window "お気に入り": the modal window in which the user picks the album
// to play, from the library (libraries and album shortcuts as a tree) or from any
// folder of the disk. It also edits the library: new headings and shortcuts,
// renaming, deleting, moving entries by drag and drop, adding dropped folders and
// album files, importing dropped list files and dragging the library out as a file.
//
// The main window keeps one instance: Dialog shows it, and afterwards a non-empty
// Path is the folder of the album to open. The window keeps its state between calls;
// library edits take effect in memory at once.
#include "shell/ClassHelp.h"
#include "toolkit/ClassBehavior.h"
#include "toolkit/ClassButton.h"
#include "toolkit/ClassGrip.h"
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassTreeView.h"

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;

namespace gb {

class FormLibrary : public QDialog {
public:
    // The commands, by their index in "CommandButtons" and "Menus".
    enum Command : int { NewLibrary = 0, NewShortcut = 1, Erase = 3, Rename = 5 };
    static constexpr int kHelpContext = 701;

    FormLibrary();
    ~FormLibrary() override;

    // Empties Path, then lets the user choose: with the setting v1Compatible only the
    // folder chooser (owned by `owner`), else this window, modally.
    void Dialog(QWidget* owner = nullptr);
    // The chosen album folder; empty when nothing was chosen.
    std::string Path;

    // Builds the tree anew from the library list.
    void RebuildTree();
    // Enables the commands after the selection.
    void UpdateCommands();
    // The selected node: 0 the root, i library entry i.
    int16_t SelectedNode() const { return selected_; }

    // Controls.
    QFrame* PictureLibrary;
    ClassTreeView TreeLibrary;
    QPushButton* CommandButtons[6] = {};
    QPushButton* CommandDialog;
    QFrame* FrameSpeed;
    QPushButton* CommandStart;
    QPushButton* CommandHelp;
    QLabel* ImageTitle;
    QTimer TimerFlash;
    QScrollBar* ScrollGrip;
    QMenu* Menu;
    QAction* Menus[6] = {};

    // Handlers.
    void Menus_Click(int index);
    void CommandButtons_Click(int index);
    void CommandDialog_Click();
    void CommandStart_Click();
    void CommandHelp_Click();
    void TimerFlash_Timer();
    void TreeLibrary_ItemChange(int32_t node);
    void TreeLibrary_DblClick();
    void TreeLibrary_Click(int32_t button);
    void TreeLibrary_Drag(int32_t node);
    void TreeLibrary_Hover(int32_t button, int32_t x, int32_t y);
    void TreeLibrary_Drop(int32_t x, int32_t y);
    // Paths dropped on the tree area by another program.
    void DropPaths(const std::vector<std::string>& paths);

    // Whether a drag of files from outside is accepted with these buttons and keys.
    static bool AcceptsDrop(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void LayOut();
    // The folder chooser with a caption; "" when cancelled.
    std::string ChooseFolder(const std::string& caption, QWidget* owner);
    bool IsHeading(int node) const;
    void SetDropHighlight(int node);
    void EndDrag();
    void DragLibraryOut();

    ClassImageList ImagesLibrary;
    ClassBehavior Behavior;
    ClassButton ButtonHelper;
    ClassGrip Grip;
    int16_t selected_ = 0;
    bool dragging_ = false;
    bool dragCursor_ = false;
    int flashTicks_ = 0;
};

} // namespace gb
