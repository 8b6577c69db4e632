#include "InternetAndPrint.h"

#include "FormThumbnail.h"
#include "GeneralEditor.h"
#include "IndexPrint.h"
#include "InternetPage.h"

#include <QVBoxLayout>

namespace gb {

void InstallInternetAndPrint() {
    // The page lives in the editor's page frame, so it never outlives the editor it
    // calls back.
    EditorExtensions().InternetPage = [](FormThumbnail& editor, QWidget* frame) {
        InternetPage::EditorLink link;
        link.ShowStatus = [&editor](std::optional<bool> busy, int16_t message) { editor.ShowStatus(busy, message); };
        link.LoadThumbnails = [&editor](int16_t mode) { editor.LoadThumbnails(mode); };
        link.ShowAlbumProperties = [&editor] { editor.ShowAlbumProperties(); };
        link.Reload = [&editor] {
            if (editor.Main().Reload) editor.Main().Reload();
        };
        auto* layout = new QVBoxLayout(frame);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(new InternetPage(std::move(link), frame));
    };
    EditorExtensions().PrintIndex = [](FormThumbnail& editor) {
        IndexPrintHost host;
        host.Owner = HandleOf(&editor);
        host.ShowStatus = [&editor](std::optional<bool> busy, int16_t message) { editor.ShowStatus(busy, message); };
        host.Repaint = [&editor] { editor.repaint(); };
        PrintIndex(host);
    };
}

} // namespace gb
