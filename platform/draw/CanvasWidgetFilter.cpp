#include "CanvasWidgetFilter.h"

#include "Canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

namespace gb {

CanvasWidgetFilter::CanvasWidgetFilter(Canvas& canvas, QObject* parent) : QObject(parent), canvas_(&canvas) {}

bool CanvasWidgetFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!canvas_ || !widget) return false;
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(widget);
        canvas_->PaintWindow(painter, static_cast<QPaintEvent*>(event)->rect());
        return true;
    }
    case QEvent::Resize:
        canvas_->FollowWindowSize();
        return false;
    default:
        return false;
    }
}

} // namespace gb
