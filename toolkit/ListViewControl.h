#pragma once
// The list-view control: one item model shown as icons, small icons or a list (a
// QListView) or as a report with columns (a QTreeView). It sends the list view's
// notifications to its parent as WM_NOTIFY: item changed, begin drag, begin and end
// label edit, click, right click, double click and Return.
#include "platform/window/WindowStyle.h"

#include <QImage>
#include <QPointer>
#include <QStackedWidget>

class QAbstractItemView;
class QItemSelectionModel;
class QLineEdit;
class QListView;
class QStandardItemModel;
class QTreeView;

namespace gb {

class ListViewControl : public QStackedWidget, public StyledWindow {
public:
    enum Role { ImageRole = Qt::UserRole + 1, DataRole, StateRole, IndentRole };

    explicit ListViewControl(QWidget* parent);

    QStandardItemModel* Model() const { return model_; }
    QItemSelectionModel* Selection() const { return selection_; }
    QAbstractItemView* View() const;
    QListView* IconView() const;
    QTreeView* ReportView() const;
    uint32_t Style() const { return style_; }

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;

    // 0 normal (icons), 1 small, 2 state.
    void SetImageList(int kind, std::intptr_t handle);
    std::intptr_t ImageList(int kind) const { return imageLists_[kind & 3]; }
    // The image list the current view draws its item images from.
    std::intptr_t ViewImageList() const;

    // Item states: 1 focused, 2 selected, 4 cut, 8 drop-highlighted.
    uint32_t State(int row) const;
    void SetState(int row, uint32_t mask, bool on);
    void SendItemChanged(int row);

    QPoint ItemPosition(int row) const;
    void SetItemPosition(int row, QPoint position);
    QRect ViewRect() const;
    // The item at a point of the control, -1 for none; `flags` gets the hit flags.
    int HitTest(QPoint at, int& flags) const;
    void EnsureVisible(int row, bool partial);
    void Arrange();
    void SetWallpaper(const QImage& image, bool tile, int percentX, int percentY);
    void PaintWallpaper(QPainter& painter, const QRect& area) const;

    // The label editor while a label is edited (nullptr otherwise).
    QLineEdit* EditControl() const;

private:
    void Watch(QAbstractItemView* view);
    void ApplyView();

    QStandardItemModel* model_;
    QItemSelectionModel* selection_;
    QListView* icons_;
    QTreeView* report_;
    uint32_t style_ = 0;
    std::intptr_t imageLists_[4] = {0, 0, 0, 0};
    QImage wallpaper_;
    bool tile_ = false;
    int percentX_ = 0, percentY_ = 0;
};

} // namespace gb
