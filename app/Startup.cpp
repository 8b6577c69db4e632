#include "Startup.h"

#include "FormMain.h"
#include "FormTitle.h"
#include "GeneralMain.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/EventLog.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/draw/WindowContexts.h"
#include "resources/StringTable.h"
#include "shell/ClassHelp.h"
#include "shell/CompanionLibraries.h"
#include "toolkit/ToolkitSupport.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace gb {
namespace {

// A desktop ends programs with SIGTERM (logout, shutdown, kill), a terminal with SIGHUP
// or SIGINT. The signal handler only writes a byte to a pipe; the user-interface thread
// reads it and closes the main window, exactly as the user would.
int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    char byte = 1;
    [[maybe_unused]] ssize_t n = write(signalPipe[1], &byte, 1);
}

void CatchEndSignals(QPointer<FormMain>& main, bool& endRequested) {
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [&main, &endRequested] {
        char buffer[16];
        while (read(signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        endRequested = true;
        if (main) main->close();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &action, nullptr);
}

} // namespace

std::string CommandLinePath(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    if (line.empty()) return line;
    // A path handed over with its quotes (one word, as some launchers do) keeps them for
    // the opening code to remove; anything else is made absolute here.
    if (line.front() == '"') return line;
    return AbsolutePath(line);
}

int RunProgram(int argc, char** argv, const std::function<void(FormMain&)>& installWindows) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glimmerbox"));
    QApplication::setApplicationDisplayName(QStringLiteral("Glimmerbox"));
    QApplication::setQuitOnLastWindowClosed(false);
    InstallJapaneseLocale();
    InstallFontSubstitutions();
    InstallKeyStateTracker();
    ConnectDrawingToWindowLayer();

    // 1. One instance at a time.
    if (!AcquireInstanceLock("glimmerbox")) {
        MsgBox(0, LoadResString(10001), AppTitle(), MB_ICONEXCLAMATION | MB_OK);
        return 0;
    }

    QPointer<FormMain> main;
    bool endRequested = false;
    CatchEndSignals(main, endRequested);

    // 2. The splash, painted before anything else happens.
    auto* splash = new FormTitle;
    splash->Load();
    QApplication::processEvents();

    // 3. The event log; 4. the help file beside the program; 5. the random numbers.
    OpenEventLog("glimmerbox");
    HelpFile = ProgramFolder() + "/Glimmerbox.HLP";
    // Help on a control ("what's this") pops up the control's topic of the help file.
    SetWhatsThisHandler([](Hwnd window, int32_t contextId) {
        ClassHelp help;
        help.hOwnerWnd = window;
        help.Path = HelpFile;
        help.PopupHelp(contextId);
    });
    Randomize(uint32_t(std::time(nullptr)) ^ TimeGetTime());

    // 6. The main window, which opens the command line.
    main = new FormMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    if (installWindows) installWindows(*main);
    main->Form_Load(CommandLinePath(argc, argv));
    if (endRequested) main->close();
    else QApplication::exec();
    return 0;
}

} // namespace gb
