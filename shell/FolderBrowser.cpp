#include "FolderBrowser.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace gb {

FolderBrowser::FolderBrowser(QWidget* parent, const QString& instruction, const QString& startFolder)
    : QDialog(parent), model_(new QFileSystemModel(this)), tree_(new QTreeView(this)) {
    setWindowTitle("フォルダーの参照");
    auto* label = new QLabel(instruction, this);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);

    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath("/");
    tree_->setModel(model_);
    tree_->setRootIndex(model_->index("/"));
    for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);
    tree_->header()->hide();
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("キャンセル");
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, ok] { ok->setEnabled(!SelectedFolder().isEmpty()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(tree_, 1);
    layout->addWidget(buttons);
    resize(360, 420);

    ok->setEnabled(false);
    if (!startFolder.isEmpty()) SelectFolder(startFolder);
}

QString FolderBrowser::SelectedFolder() const {
    const QModelIndex current = tree_->currentIndex();
    return current.isValid() ? model_->filePath(current) : QString();
}

void FolderBrowser::SelectFolder(const QString& folder) {
    const QModelIndex index = model_->index(folder);
    if (!index.isValid()) return;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
    tree_->expand(index);
}

} // namespace gb
