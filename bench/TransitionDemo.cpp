// Plays every transition and colour filter in a window and saves what the screen
// shows halfway through each transition and at its end, as a person would see it:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build-draw/bench/transition_demo OUT [--slow N]
//
// OUT receives NN-mid.png and NN-end.png per effect and contact-sheet.png with all
// the halfway shots. The screenshots are read back from the display server. --slow N
// stretches every sleep N times, so that an outside tool (xwd -root) can catch a
// transition in the middle too.
#include "BenchPictures.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/draw/Canvas.h"
#include "resources/StringTable.h"
#include "slideshow/TransitionRenderer.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

namespace gb {
namespace {

constexpr int kWidth = 640, kHeight = 480;

// Real sleeps (stretched by `slow`); calls `shoot` at the sleep numbered `shootAt`.
class DemoClock : public Clock {
public:
    uint32_t Milliseconds() override {
        using namespace std::chrono;
        return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    void Sleep(uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds * slow));
        if (sleeps++ == shootAt && shoot) shoot();
    }
    uint32_t slow = 1;
    int sleeps = 0;
    int shootAt = -1;
    std::function<void()> shoot;
};

void DrawSlide(Canvas& buffer, int number, const std::string& name) {
    QImage picture = bench::PhotoLike(kWidth, kHeight, number);
    QPainter painter(&picture);
    QFont font(QString::fromUtf8(MapFontName("ＭＳ Ｐゴシック").c_str()));
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString("%1\n%2").arg(number).arg(QString::fromStdString(name)));
    painter.end();
    buffer.SetPersistentDrawing(true);
    buffer.DrawPicture(Picture::FromImage(picture), 0, 0);
}

int CountSleeps(int effect) {
    Canvas window(kWidth, kHeight), buffer(kWidth, kHeight);
    ClassEngine engine;
    engine.Attach(buffer.hDC());
    TransitionRenderer renderer(window, engine);
    renderer.D = {window.hDC(), window.Image(), 0, 0, kWidth, kHeight};
    renderer.S = {buffer.hDC(), buffer.Image(), 0, 0, kWidth, kHeight};
    ScopedVirtualClock clock;
    renderer.Render(false, {effect});
    return int(clock.Sleeps().size());
}

} // namespace
} // namespace gb

int main(int argc, char** argv) {
    using namespace gb;
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    if (argc < 2) {
        std::fprintf(stderr, "usage: transition_demo OUT [--slow N]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    uint32_t slow = 1;
    if (argc >= 4 && QString(argv[2]) == "--slow") slow = uint32_t(std::max(1, atoi(argv[3])));

    QWidget widget;
    widget.setWindowTitle(QString::fromUtf8("スライドショー"));
    widget.setFixedSize(kWidth, kHeight);
    Canvas window;
    window.Bind(HandleOf(&widget));
    window.SetBackColor(Rgb(0, 0, 0));
    window.SetForeColor(Rgb(255, 255, 255));
    QFont font(QString::fromUtf8(MapFontName("MS UI Gothic").c_str()), 9);
    font.setBold(true);
    window.SetFont(font);
    widget.show();
    window.SetPersistentDrawing(true);
    window.Clear();
    window.SetPersistentDrawing(false);
    for (int i = 0; i < 30; ++i) {
        app.processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    Canvas buffer(kWidth, kHeight);
    ClassEngine engine;
    engine.Attach(buffer.hDC());
    TransitionRenderer renderer(window, engine);
    renderer.TheaterMode = true;
    renderer.ShowTitle = true;

    // Count each transition's sleeps first (on a virtual clock, off screen).
    int sleepCounts[EffectRandom] = {};
    for (int effect = EffectWipeHorizontal; effect <= EffectVivid; ++effect) sleepCounts[effect] = CountSleeps(effect);
    DemoClock clock;
    clock.slow = slow;
    SetClock(&clock);
    auto grab = [&] {
        const QPoint at = widget.mapToGlobal(QPoint(0, 0));
        return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), kWidth, kHeight).toImage();
    };
    QImage contact(4 * kWidth / 2, 4 * kHeight / 2, QImage::Format_RGB32);
    contact.fill(Qt::darkGray);
    QPainter sheet(&contact);

    for (int effect = EffectWipeHorizontal; effect <= EffectVivid; ++effect) {
        const std::string name = LoadResString(EffectNameId(effect));
        DrawSlide(buffer, effect, name);
        renderer.Caption = "旅行アルバム " + std::to_string(effect) + " " + name;
        renderer.D = {window.hDC(), window.Image(), 0, 0, kWidth, kHeight};
        renderer.S = {buffer.hDC(), buffer.Image(), 0, 0, kWidth, kHeight};
        QImage mid;
        clock.sleeps = 0;
        // Halfway; the fade halfway into its fade-in.
        clock.shootAt = effect == EffectFade ? sleepCounts[effect] * 3 / 4 : (sleepCounts[effect] - 1) / 2;
        clock.shoot = [&] { mid = grab(); };
        if (effect >= EffectMonotone) {
            // A filter changes the buffer; then the picture is shown without transition.
            renderer.Render(false, {effect});
            renderer.S.Image = buffer.Image();
            renderer.Render(true, {});
            mid = grab();
        } else {
            renderer.Render(true, {effect});
        }
        app.processEvents();
        const QString number = QString::asprintf("%02d", effect);
        mid.save(out.filePath(number + "-mid.png"));
        grab().save(out.filePath(number + "-end.png"));
        const int cell = effect - 1;
        sheet.drawImage(QRect((cell % 4) * kWidth / 2, (cell / 4) * kHeight / 2, kWidth / 2, kHeight / 2), mid);
        std::printf("%2d %s: %d sleeps, halfway shot after sleep %d\n", effect, name.c_str(), clock.sleeps,
                    clock.shootAt + 1);
    }
    sheet.end();
    contact.save(out.filePath("contact-sheet.png"));
    SetClock(nullptr);
    return 0;
}
