// Window effects and desktop services.
#include "shell/ClassDesktop.h"
#include "shell/ClassWindow.h"
#include "platform/Clock.h"
#include "platform/WindowMessages.h"
#include "platform/window/DeviceContexts.h"
#include "platform/window/ScreenSaver.h"
#include "platform/window/SystemMenu.h"
#include "platform/window/WindowStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QWidget>
#include <gtest/gtest.h>

using namespace gb;

TEST(ClassWindow, AppearFromAPointWithoutWaiting) {
    ScopedVirtualClock clock;
    QWidget window;
    window.setGeometry(200, 150, 320, 60);
    window.show();
    ClassWindow effects;
    effects.hWnd = HandleOf(&window);
    effects.Appear(false, 40, 30, 0, 0);
    const auto& frames = effects.AnimationFrames();
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ(frames.front().topLeft(), QPoint(40, 30));
    EXPECT_EQ(frames.front().size(), QSize(0, 0));
    EXPECT_EQ(frames.back(), window.frameGeometry());
    EXPECT_EQ(clock.Sleeps().size(), frames.size());

    effects.Leave(false, 10, 20, 30, 40);
    EXPECT_EQ(effects.AnimationFrames().front(), window.frameGeometry());
    EXPECT_EQ(effects.AnimationFrames().back(), QRect(10, 20, 30, 40));
}

TEST(ClassWindow, AlwaysVisibleStaysOnTop) {
    QWidget window, other;
    window.show();
    ClassWindow effects;
    effects.hWnd = HandleOf(&window);
    effects.SetAlwaysVisible(true);
    EXPECT_TRUE(effects.AlwaysVisible());
    other.show();
    QApplication::setActiveWindow(&other);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(GetWindowLong(effects.hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(window.isVisible());
    effects.SetAlwaysVisible(false);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(ClassWindow, BreakEffectsBringsTheCommandsBack) {
    QWidget window;
    window.show();
    ClassWindow effects;
    effects.hWnd = HandleOf(&window);
    effects.EffectAgainstMovable();
    effects.DisableQuitButton();
    EXPECT_FALSE(SystemMenuHas(effects.hWnd, SC_MOVE));
    EXPECT_FALSE(SystemMenuHas(effects.hWnd, SC_CLOSE));
    EXPECT_TRUE(SystemMenuHas(effects.hWnd, SC_SIZE));
    // The close item keeps its text, greyed and without its command.
    bool greyed = false;
    for (const SystemMenuItem& item : GetSystemMenuItems(effects.hWnd))
        if (item.text.rfind("閉じる", 0) == 0) greyed = item.grayed && item.id == 0;
    EXPECT_TRUE(greyed);
    // The user cannot close the window now; the program still can.
    QCloseEvent byUser;
    QSpontaneKeyEvent::setSpontaneous(&byUser);
    qApp->notify(&window, &byUser);
    EXPECT_FALSE(byUser.isAccepted());
    QCloseEvent byProgram;
    QCoreApplication::sendEvent(&window, &byProgram);
    EXPECT_TRUE(byProgram.isAccepted());
    effects.BreakEffects();
    EXPECT_TRUE(SystemMenuHas(effects.hWnd, SC_MOVE));
    EXPECT_TRUE(SystemMenuHas(effects.hWnd, SC_CLOSE));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST(ClassWindow, DrawPanelPaintsTheSidesAskedFor) {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::intptr_t dc = CreateImageContext(&image, QFont());
    ClassWindow effects;
    effects.hDC = dc;
    effects.DrawPanel(4, 4, 30, 3, 4, 15); // a raised inner edge on all sides
    EXPECT_NE(image.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    effects.DrawTitle(0, 10, 40, 10, 41);
    EXPECT_NE(image.pixelColor(1, 15), QColor(Qt::white));
    DeleteImageContext(dc);
}

TEST(ClassDesktop, CaptureOfTheActiveWindowReportsItsWholeFrame) {
    QWidget window;
    window.setGeometry(100, 100, 240, 120);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ClassDesktop desktop;
    QRect reported;
    bool hadPicture = false;
    desktop.Events.Captured = [&](std::intptr_t dc, int32_t l, int32_t t, int32_t w, int32_t h) {
        reported = QRect(l, t, w, h);
        hadPicture = ImageOfContext(dc) && !ImageOfContext(dc)->isNull();
    };
    Hwnd which = 0;
    desktop.Capture(which);
    EXPECT_EQ(which, HandleOf(&window));
    EXPECT_EQ(reported, window.frameGeometry());
    EXPECT_TRUE(hadPicture);
    EXPECT_GT(desktop.Metrics(0), 0);
}

namespace {

// A stand-in for the desktop's screen-saver service on a private session bus.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    int inhibits = 0;
    std::vector<uint> released;
public slots:
    uint Inhibit(const QString&, const QString&) { return uint(++inhibits + 40); }
    void UnInhibit(uint cookie) { released.push_back(cookie); }
};

} // namespace

TEST(ClassDesktop, LockedScreenSaverGoesThroughTheInhibitService) {
    // The session bus is chosen at its first use, so the private one comes first.
    QProcess bus;
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (!bus.waitForStarted(5000) || !bus.waitForReadyRead(5000)) GTEST_SKIP() << "no dbus-daemon";
    QByteArray address = bus.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QDBusConnection connection = QDBusConnection::sessionBus();
    ASSERT_TRUE(connection.isConnected());
    FakeScreenSaver service;
    ASSERT_TRUE(connection.registerObject("/org/freedesktop/ScreenSaver", &service, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(connection.registerService("org.freedesktop.ScreenSaver"));

    ClassDesktop desktop;
    desktop.SetLockedScreenSaver(true);
    EXPECT_EQ(service.inhibits, 1);
    EXPECT_TRUE(ScreenSaverInhibited());
    desktop.SetLockedScreenSaver(true); // already off: no second request
    EXPECT_EQ(service.inhibits, 1);
    desktop.SetLockedScreenSaver(false);
    EXPECT_EQ(service.released, std::vector<uint>{41});
    EXPECT_FALSE(ScreenSaverInhibited());
    connection.unregisterService("org.freedesktop.ScreenSaver");
    bus.kill();
    bus.waitForFinished(5000);
}

#include "WindowServicesTest.moc"
