#pragma once
// The rebar control: bands side by side, each holding a child window with an optional
// caption, sized at least to its minimum child size. When its height changes it sends
// RBN_HEIGHTCHANGE to the parent.
#include "platform/window/WindowStyle.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace gb {

enum : int { RBN_HEIGHTCHANGE = -831 };

class ReBarControl : public QWidget, public StyledWindow {
public:
    struct Band {
        QPointer<QWidget> child;
        QString caption;
        QSize minimum;
        QImage background;
        QColor fore, back;
    };

    explicit ReBarControl(QWidget* parent);

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;

    void AddBand(QWidget* child, const QString& caption, QSize minimum, QColor fore, QColor back);
    void RemoveBand(int index);
    int BandCount() const { return int(bands_.size()); }
    QRect BandRect(int index) const;
    void SetBandBackground(int index, const QImage& image);
    // Lays the bands out along the top of the parent (or where the bar stands).
    void Relayout();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int CaptionWidth(const Band& band) const;

    uint32_t style_ = 0;
    std::vector<Band> bands_;
    std::vector<QRect> rects_;
    int lastHeight_ = -1;
};

} // namespace gb
