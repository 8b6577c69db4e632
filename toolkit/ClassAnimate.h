#pragma once
// The animation wrapper: plays a clip (a file, a clip resource of the program, or a
// clip of a library), once or endlessly; Reset shows the first frame again.
#include "AnimateControl.h"
#include "ClassCommonControlsEx.h"
#include "InterfaceDock.h"
#include "WrapperMembers.h"

#include <QPointer>
#include <QVariant>
#include <string>

namespace gb {

class ClassAnimate : public InterfaceDock {
public:
    ClassAnimate() = default;
    ~ClassAnimate() override;
    ClassAnimate(const ClassAnimate&) = delete;
    ClassAnimate& operator=(const ClassAnimate&) = delete;

    Hwnd hAnimate = 0;
    int32_t Mode = 0;
    bool Center = false;
    bool Opaque = false;
    QVariant Tag;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS

    bool Load(const std::string& path);
    // The program's own clips: 1 is the busy animation. `module` is not used here.
    bool LoadFromResource(std::intptr_t module, int32_t resourceId);
    // Opens the clip from a library of clips; an empty path means the program's own.
    bool LoadFromLibrary(const std::string& path, int32_t resourceId);
    void Unload();
    void Play(bool Repeat);
    void Pause();
    void Reset();

    std::intptr_t Handle() override { return hAnimate; }
    int32_t Superclass() override { return KindAnimate; }
    void Receive(InterfaceDock*) override {}

private:
    AnimateControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<AnimateControl> control_;
    void* library_ = nullptr;
};

} // namespace gb
