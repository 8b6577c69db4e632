#include "LabelEditDelegate.h"

#include "ListViewNotifications.h"
#include "ToolkitSupport.h"

#include <QLineEdit>

namespace gb {

LabelEditDelegate::LabelEditDelegate(QWidget* control, int beginCode, int endCode,
                                     std::function<int(const QModelIndex&)> itemOf)
    : QStyledItemDelegate(control), control_(control), beginCode_(beginCode), endCode_(endCode),
      itemOf_(std::move(itemOf)) {}

void LabelEditDelegate::Send(int code, QWidget* editor, const QModelIndex& index) const {
    ListViewDispInfo info;
    info.iItem = itemOf_(index);
    info.editor = HandleOf(editor);
    Notify(control_, code, info);
}

void LabelEditDelegate::SetItemImage(QStyleOptionViewItem* option, const QImage& image) {
    if (image.isNull()) return;
    option->icon = QIcon(QPixmap::fromImage(image));
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = image.size();
}

void LabelEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    QStyledItemDelegate::setEditorData(editor, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        editor_ = line;
        Send(beginCode_, line, index);
    }
}

void LabelEditDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (qobject_cast<QLineEdit*>(editor)) {
        Send(endCode_, editor, index);
        editor_ = nullptr;
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

} // namespace gb
