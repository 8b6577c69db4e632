#pragma once
// The tab control: a row of tabs over a framed display area where the pages go. A
// change of tab by the user sends TCN_SELCHANGE to the parent.
#include "ToolkitSupport.h"
#include "platform/window/WindowStyle.h"

#include <QTabBar>
#include <QWidget>

namespace gb {

enum : int { TCN_SELCHANGE = -551 };

class TabStripControl : public QWidget, public StyledWindow, public ToolTipHost {
public:
    explicit TabStripControl(QWidget* parent);

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;
    void SetToolTip(int key, const QString& text) override;

    QTabBar* Bar() const { return bar_; }
    void SetImageList(std::intptr_t handle);
    void SetTabImage(int index, int image);
    // Changes the tab without telling the parent.
    void SetCurrent(int index);
    // The area inside the frame below the tabs, in this window's coordinates.
    QRect DisplayRect() const;
    void SetMinimumTabWidth(int width);
    void SetItemSize(int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Layout();

    uint32_t style_ = 0;
    QTabBar* bar_;
    std::intptr_t imageList_ = 0;
    bool quiet_ = false;
};

} // namespace gb
