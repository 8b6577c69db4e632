#pragma once
// An item delegate that reports the start and the end of a label edit to the parent
// of its control (with the editor window) and never writes the edited text itself:
// the owner of the control decides whether to keep it.
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>



namespace gb {

class LabelEditDelegate : public QStyledItemDelegate {
public:
    LabelEditDelegate(QWidget* control, int beginCode, int endCode, std::function<int(const QModelIndex&)> itemOf);

    QLineEdit* Editor() const { return editor_; }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    // Shows `image` (when it is not null) as the item's picture.
    static void SetItemImage(QStyleOptionViewItem* option, const QImage& image);

private:
    void Send(int code, QWidget* editor, const QModelIndex& index) const;

    QWidget* control_;
    int beginCode_, endCode_;
    std::function<int(const QModelIndex&)> itemOf_;
    mutable QPointer<QLineEdit> editor_;
};

} // namespace gb
