#pragma once
// The status-bar control: panels given by their right edges (-1 reaches the right
// end), each with a text and an icon, or one simple text; an optional size grip.
#include "platform/window/WindowStyle.h"

#include <QImage>
#include <QWidget>
#include <vector>

class QSizeGrip;

namespace gb {

class StatusBarControl : public QWidget, public StyledWindow {
public:
    explicit StatusBarControl(QWidget* parent);

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;

    void SetParts(std::vector<int> rightEdges);
    const std::vector<int>& Parts() const { return parts_; }
    // The rectangle of a part (the last one and -1 edges reach the right end).
    QRect PartRect(int index) const;
    void SetText(int index, const QString& text);
    QString Text(int index) const;
    void SetIcon(int index, const QImage& icon);
    void SetSimple(bool simple);
    bool Simple() const { return simple_; }
    void SetSimpleText(const QString& text);
    QString SimpleText() const { return simpleText_; }
    void SetMinHeight(int height);
    void SetBorders(int horizontal, int vertical, int between);
    // Sizes itself along the bottom of its parent.
    void AlignToParent();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Panel {
        QString text;
        QImage icon;
    };

    uint32_t style_ = 0;
    std::vector<int> parts_{-1};
    std::vector<Panel> panels_{Panel{}};
    bool simple_ = false;
    QString simpleText_;
    int minHeight_ = 0;
    int borderX_ = 0, borderY_ = 2, between_ = 2;
    QSizeGrip* grip_ = nullptr;
};

} // namespace gb
