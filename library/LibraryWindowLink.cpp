#include "LibraryWindowLink.h"

#include "FormLibrary.h"
#include "app/FormMain.h"

#include <QObject>
#include <memory>

namespace gb {
namespace {

// Holds the library window of the main window; a child of the main window, so the
// library window goes with it.
class LibraryHolder : public QObject {
public:
    explicit LibraryHolder(FormMain& main) : QObject(&main) {}

    std::string Choose(FormMain& main) {
        if (!library_) library_ = std::make_unique<FormLibrary>();
        library_->Dialog(&main);
        return library_->Path;
    }

private:
    std::unique_ptr<FormLibrary> library_;
};

} // namespace

void InstallLibraryWindow(FormMain& main) {
    auto* holder = new LibraryHolder(main);
    main.Seams.ChooseAlbum = [holder](FormMain& owner) { return holder->Choose(owner); };
}

} // namespace gb
