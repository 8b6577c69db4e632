#include "ClassAnimate.h"

#include "ToolkitSupport.h"
#include "platform/SharedLibrary.h"

namespace gb {

ClassAnimate::~ClassAnimate() {
    if (hAnimate) Destroy();
    Unload();
}

void ClassAnimate::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000000u + uint32_t(Mode);
    if (Center) style |= 0x1;
    if (!Opaque) style |= 0x2;
    auto* control = new AnimateControl(parent);
    control_ = control;
    hAnimate = SetUpControl(control, style, Opaque ? 0 : 0x20, 0, KindAnimate);
    Extender.Bind(hAnimate, hDC);
}

void ClassAnimate::Destroy() {
    Reset();
    Extender.Unbind();
    delete control_.data();
    hAnimate = 0;
}

bool ClassAnimate::Load(const std::string& path) {
    return Control() && Control()->Open(QString::fromStdString(path));
}

bool ClassAnimate::LoadFromResource(std::intptr_t, int32_t resourceId) {
    return Control() && Control()->Open(QStringLiteral(":/toolkit/clips/%1").arg(resourceId == 1 ? "busy.png" : QString::number(resourceId)));
}

bool ClassAnimate::LoadFromLibrary(const std::string& path, int32_t resourceId) {
    Unload();
    if (!path.empty()) library_ = LoadLibraryFile(path);
    return LoadFromResource(reinterpret_cast<std::intptr_t>(library_), resourceId);
}

void ClassAnimate::Unload() {
    if (library_) FreeLibraryFile(library_);
    library_ = nullptr;
}

void ClassAnimate::Play(bool Repeat) {
    if (Control()) Control()->Play(Repeat);
}

void ClassAnimate::Pause() {
    if (Control()) Control()->Stop();
}

void ClassAnimate::Reset() {
    if (!Control()) return;
    Control()->Stop();
    Control()->Seek(0);
}

} // namespace gb
