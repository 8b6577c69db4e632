#include "MainMenus.h"

#include <QAction>
#include <QMenu>

namespace gb {

MainMenus::MainMenus(QWidget* owner)
    : file_(new QMenu(QString::fromUtf8("ファイル(&F)"), owner)), view_(new QMenu(QString::fromUtf8("表示(&V)"), owner)) {
    files_[FileSeparator] = file_->addSeparator();
    files_[FileChooseAlbum] = file_->addAction(QString::fromUtf8("アルバムの選択..."));
    file_->setDefaultAction(files_[FileChooseAlbum]);
    recents_ = std::make_unique<HistoryMenu>(file_, files_[FileSeparator]);

    const char* views[kViewItems] = {"アルバムのプロパティ", "クイック ビューア(&Q)", "-", "オプション(&O)...", "-",
                                     "バージョン情報(&A)..."};
    for (int i = 0; i < kViewItems; ++i)
        views_[i] = QString(views[i]) == "-" ? view_->addSeparator() : view_->addAction(QString::fromUtf8(views[i]));
    views_[ViewQuickViewer]->setCheckable(true);
    view_->setDefaultAction(views_[ViewProperties]);

    QObject::connect(files_[FileChooseAlbum], &QAction::triggered, file_, [this] {
        if (FileCommand) FileCommand(FileChooseAlbum);
    });
    for (int i : {int(ViewProperties), int(ViewQuickViewer), int(ViewOptions), int(ViewAbout)})
        QObject::connect(views_[i], &QAction::triggered, view_, [this, i] {
            if (ViewCommand) ViewCommand(i);
        });
}

MainMenus::~MainMenus() {
    recents_.reset();
    delete file_.data();
    delete view_.data();
}

} // namespace gb
