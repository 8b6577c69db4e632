#pragma once
// Turns a scroll bar of a window into a size grip that can stay in the lower right
// corner of its container. This desktop has no scroll bar that turns into a grip, so
// the grip takes the scroll bar's place and the scroll bar is hidden.
#include <QObject>
#include <QPointer>

class QScrollBar;
class QSizeGrip;
class QWidget;

namespace gb {

class ClassGrip : public QObject {
public:
    ClassGrip() = default;
    ~ClassGrip() override;

    bool AllowFixedMode = false;

    // A horizontal or vertical scroll bar; nullptr or anything else changes nothing.
    void SetTarget(QScrollBar* target);
    QWidget* Grip() const;
    bool AutoAnchor() const { return autoAnchor_; }
    void SetAutoAnchor(bool value);
    // The system's scroll-bar arrow sizes, in pixels.
    int32_t X() const;
    int32_t Y() const;
    // The container's resize: with AutoAnchor the grip goes to the inner lower right.
    void Form_Resize();
    void Container_Resize() { Form_Resize(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QScrollBar> target_;
    QPointer<QSizeGrip> grip_;
    bool autoAnchor_ = false;
};

} // namespace gb
