#include "SystemMetrics.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>

namespace gb {

int GetSystemMetrics(int metric) {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect whole = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    QRect available = screen ? screen->availableGeometry() : whole;
    QStyle* style = QApplication::style();
    int scroll = style ? style->pixelMetric(QStyle::PM_ScrollBarExtent) : 16;
    int caption = style ? style->pixelMetric(QStyle::PM_TitleBarHeight) : 20;
    int frame = style ? style->pixelMetric(QStyle::PM_DefaultFrameWidth) : 2;
    int large = style ? style->pixelMetric(QStyle::PM_LargeIconSize) : 32;
    int small = style ? style->pixelMetric(QStyle::PM_SmallIconSize) : 16;
    switch (metric) {
    case SM_CXSCREEN: return whole.width();
    case SM_CYSCREEN: return whole.height();
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL:
    case SM_CYVTHUMB: case SM_CXHTHUMB: return scroll;
    case SM_CYCAPTION: case SM_CYSIZE: case SM_CXSIZE: return caption;
    case SM_CXBORDER: case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: case SM_CXFRAME: case SM_CYFRAME: return frame;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return large;
    case SM_CXSMICON: case SM_CYSMICON: return small;
    case SM_CYMENU: return QFontMetrics(QApplication::font()).height() + 8;
    case SM_CXFULLSCREEN: return available.width();
    case SM_CYFULLSCREEN: return available.height() - caption;
    case SM_CXMAXIMIZED: return available.width();
    case SM_CYMAXIMIZED: return available.height();
    case SM_CXMIN: return 112;
    case SM_CYMIN: return caption + 2 * frame;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: return 4;
    case SM_CMONITORS: return int(QGuiApplication::screens().size());
    default: return 0;
    }
}

} // namespace gb
