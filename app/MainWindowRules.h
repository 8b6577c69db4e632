#pragma once
// The small rules of the main window, kept apart from the window so that they can be
// checked on their own.
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <string>

namespace gb {

// The top-left corner that puts a window's frame inside the screen: a negative left
// or top becomes the screen's edge, and an edge beyond the right or bottom moves the
// window back until it touches that edge.
QPoint KeepOnScreen(const QRect& frame, const QRect& screen);

// Translucency is switched on by an AlphaBlend setting of 1 to 99, off by 0 or 100;
// any other value leaves it as it is.
enum class LayeredSwitch { On, Off, Unchanged };
LayeredSwitch LayeredSwitchOf(int32_t alphaBlend);

// The window's alpha (0-255): fully opaque while active, else AlphaBlend percent,
// rounded with halves to even (50 gives 128).
int LayeredOpacity(bool active, int32_t alphaBlend);

// The tick frequency of the jog slider for an album of `count` pictures: 1 up to 10
// pictures, 10 up to 100, 100 up to 1000, none (0) otherwise.
int32_t JogTickFrequency(int count);

// The caption of history entry i: "&i " and the last component of the folder.
std::string RecentCaption(int index, const std::string& folder);

// A location as given (command line, drop, history): one pair of surrounding double
// quotes and one trailing "/" removed.
std::string TrimLocation(const std::string& path);

} // namespace gb
