#pragma once
// Fitting a picture into a box keeping its aspect ratio, as the theater window and the
// quick viewer do.
#include <QRect>
#include <QSize>

namespace gb {

// The size of a width x height picture fitted into a boxWidth x boxHeight box: the
// box's width when the picture is at least as wide for its height as the box (the
// whole part of the ratio of the two aspect ratios is not 0), else the box's height;
// the other side keeps the picture's aspect, rounded (halves to even). An empty
// picture or box gives an empty size.
QSize FitKeepingAspect(int width, int height, int boxWidth, int boxHeight);

// The fitted size centred in the box (the free space halved as an integer).
QRect FitCentred(int width, int height, int boxWidth, int boxHeight);

} // namespace gb
