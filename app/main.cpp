// The program: the application shell with the windows it opens.
#include "Startup.h"
#include "editor/AlbumEditor.h"
#include "editor/InternetAndPrint.h"
#include "library/LibraryWindowLink.h"
#include "options/OptionsWindowLink.h"

int main(int argc, char** argv) {
    return gb::RunProgram(argc, argv, [](gb::FormMain& main) {
        gb::InstallAlbumEditor(main);
        gb::InstallInternetAndPrint();
        gb::InstallLibraryWindow(main);
        gb::InstallOptionsWindow(main);
    });
}
