#pragma once
// The folder browser: an instruction text above a tree of the file system's folders,
// with OK and キャンセル. The tree starts at the root with a given folder opened and
// selected.
#include <QDialog>

class QFileSystemModel;
class QTreeView;

namespace gb {

class FolderBrowser : public QDialog {
public:
    FolderBrowser(QWidget* parent, const QString& instruction, const QString& startFolder);

    // The selected folder; empty when none is selected.
    QString SelectedFolder() const;
    // Selects `folder` in the tree and shows it.
    void SelectFolder(const QString& folder);

private:
    QFileSystemModel* model_;
    QTreeView* tree_;
};

} // namespace gb
