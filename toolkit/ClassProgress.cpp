#include "ClassProgress.h"

#include "ToolkitSupport.h"

namespace gb {

ClassProgress::~ClassProgress() {
    if (hProgress) Destroy();
}

void ClassProgress::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setOrientation((Orientation | Style) & 0x4 ? Qt::Vertical : Qt::Horizontal);
    control_ = bar;
    hProgress = SetUpControl(bar, 0x54000000u + uint32_t(Orientation) + uint32_t(Style), 0, 0, KindProgress);
    Extender.Bind(hProgress, hDC);
}

void ClassProgress::Destroy() {
    Extender.Unbind();
    delete control_.data();
    hProgress = 0;
}

int32_t ClassProgress::Percent() const { return control_ ? control_->value() : 0; }

void ClassProgress::SetPercent(int32_t value) {
    if (control_) control_->setValue(std::clamp(value & 0xFF, 0, 100));
}

} // namespace gb
