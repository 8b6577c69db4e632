#include "FileDropTarget.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace gb {
namespace {

std::vector<std::string> LocalFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
    return files;
}

} // namespace

FileDropTarget::FileDropTarget(QWidget* control, std::function<void(const std::string&)> dropped)
    : QObject(control), dropped_(std::move(dropped)) {
    control->setAcceptDrops(true);
    control->installEventFilter(this);
}

bool FileDropTarget::Accepts(bool hasFiles, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers keys = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return hasFiles && keys != Qt::ShiftModifier && keys != Qt::ControlModifier;
}

std::string FileDropTarget::LastPath(const std::vector<std::string>& files) {
    return files.empty() ? std::string() : files.back();
}

bool FileDropTarget::Drop(const QMimeData* data, Qt::KeyboardModifiers modifiers) {
    const std::vector<std::string> files = LocalFiles(data);
    if (!Accepts(!files.empty(), modifiers)) return false;
    // Opened after the drop has ended, so that the source is not kept waiting while a
    // question is asked.
    const std::string path = LastPath(files);
    QTimer::singleShot(0, this, [this, path] { dropped_(path); });
    return true;
}

bool FileDropTarget::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (Accepts(!LocalFiles(drag->mimeData()).empty(), drag->modifiers())) drag->acceptProposedAction();
        else drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (Drop(drop->mimeData(), drop->modifiers())) drop->acceptProposedAction();
        else drop->ignore();
        return true;
    }
    default:
        return false;
    }
}

} // namespace gb
