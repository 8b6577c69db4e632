#include "AlbumEditor.h"

#include "FormThumbnail.h"
#include "app/FormMain.h"

#include <QObject>
#include <memory>

namespace gb {
namespace {

// Holds the editor of the main window; a child of the main window, so the editor goes
// with it.
class EditorHolder : public QObject {
public:
    explicit EditorHolder(FormMain& main) : QObject(&main), main_(main) {}

    void Show() {
        if (!editor_) editor_ = std::make_unique<FormThumbnail>(Link());
        editor_->show();
        editor_->raise();
        editor_->activateWindow();
    }

    // Hide, unload (which stores the placement) and release.
    void Unload() {
        if (!editor_) return;
        editor_->hide();
        editor_->close();
        editor_.reset();
    }

private:
    MainWindowLink Link() {
        MainWindowLink link;
        link.Reload = [this] { main_.Reload(); };
        link.Slideshow = [this](int32_t mode) { main_.Slideshow(mode); };
        link.Remake = [this] { main_.Remake(); };
        link.Quit = [this] { main_.close(); };
        return link;
    }

    FormMain& main_;
    std::unique_ptr<FormThumbnail> editor_;
};

} // namespace

void InstallAlbumEditor(FormMain& main) {
    auto* holder = new EditorHolder(main);
    main.Seams.ShowAlbumEditor = [holder](FormMain&) { holder->Show(); };
    main.Seams.UnloadAlbumEditor = [holder](FormMain&) { holder->Unload(); };
}

} // namespace gb
