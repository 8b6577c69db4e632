#include "platform/draw/Canvas.h"
#include "platform/draw/WindowContexts.h"
#include "platform/window/DeviceContexts.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(WindowContexts, TheWindowLayerPaintsOnACanvasAndReadsItsFont) {
    ConnectDrawingToWindowLayer();
    Canvas canvas(40, 20);
    canvas.SetPersistentDrawing(true);
    QFont font(QStringLiteral("DejaVu Sans"), 13);
    canvas.SetFont(font);

    ASSERT_TRUE(PaintOnDeviceContext(canvas.hDC(), [](QPainter& p) { p.fillRect(0, 0, 10, 10, Qt::red); }));
    EXPECT_EQ(canvas.PersistentImage().pixelColor(5, 5), QColor(Qt::red));
    QFont read;
    ASSERT_TRUE(FontOfDeviceContext(canvas.hDC(), read));
    EXPECT_EQ(read.pointSize(), 13);
    EXPECT_FALSE(PaintOnDeviceContext(0x7fff0000, [](QPainter&) {}));
}

} // namespace
} // namespace gb
