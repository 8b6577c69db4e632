#include "ThumbnailMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace gb {
namespace {

QString Text(const char* caption) { return QString::fromUtf8(caption); }

// Adds the items of `captions` ("-" for a separator) to `menu`.
template <size_t N>
void AddItems(QMenu* menu, const char* const (&captions)[N], QAction** items) {
    for (size_t i = 0; i < N; ++i)
        items[i] = QString(captions[i]) == "-" ? menu->addSeparator() : menu->addAction(Text(captions[i]));
}

} // namespace

ThumbnailMenus::ThumbnailMenus(QWidget* owner) : bar_(new QMenuBar(owner)) {
    actions_ = bar_->addMenu(Text("アクション(&A)"));
    galleries_ = new QMenu(Text("ギャラリー(&G)"), owner);
    help_ = bar_->addMenu(Text("ヘルプ(&H)"));

    const char* const actions[kActionItems] = {"新しいサムネイル(&N)...", "最新の情報に更新(&R)", "-", "印刷(&P)...", "-",
                                               "編集モード(&E)",         "-",                    "スマート ビューア(&S)",
                                               "ギャラリー(&G)",         "エクスプローラで確認(&F)..."};
    for (int i = 0; i < kActionItems; ++i) {
        if (i == ActionGalleries) actionItems_[i] = actions_->addMenu(galleries_);
        else if (QString(actions[i]) == "-") actionItems_[i] = actions_->addSeparator();
        else actionItems_[i] = actions_->addAction(Text(actions[i]));
    }
    actionItems_[ActionEditMode]->setCheckable(true);
    actionItems_[ActionSmartViewer]->setCheckable(true);

    const char* const galleries[kGalleryItems] = {"スライドショー", "情報(&I)...", "-", "プロパティ(&P)...", "-",
                                                  "電子メールへ添付(&M)...", "消去(&T)...", "すべて選択(&A)"};
    AddItems(galleries_, galleries, galleryItems_);
    // The caption the item returns to whenever the commands are refreshed.
    galleryItems_[GallerySlideshow]->setData(Text(galleries[GallerySlideshow]));
    helpItem_ = help_->addAction(Text("ヘルプ(&H)"));

    for (int i : {int(ActionNewThumbnails), int(ActionRefresh), int(ActionPrint), int(ActionEditMode),
                  int(ActionSmartViewer), int(ActionExplore)})
        QObject::connect(actionItems_[i], &QAction::triggered, bar_, [this, i] {
            if (ActionCommand) ActionCommand(i);
        });
    for (int i : {int(GallerySlideshow), int(GalleryInformation), int(GalleryProperties), int(GalleryMail),
                  int(GalleryErase), int(GallerySelectAll)})
        QObject::connect(galleryItems_[i], &QAction::triggered, bar_, [this, i] {
            if (GalleryCommand) GalleryCommand(i);
        });
    QObject::connect(helpItem_, &QAction::triggered, bar_, [this] {
        if (HelpCommand) HelpCommand();
    });
}

} // namespace gb
