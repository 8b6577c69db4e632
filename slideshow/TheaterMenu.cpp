#include "TheaterMenu.h"

#include <QAction>
#include <QMenu>

namespace gb {

TheaterMenu::TheaterMenu(QWidget* owner) : menu_(new QMenu(owner)) {
    const char* captions[kItems] = {"コントローラー", "-", "タイトル(&T)", "鉛筆モード(&M)", "-",
                                    "サイズ(&S)",   "色(&C)", "すべて消去(&E)"};
    for (int i = 0; i < kItems; ++i) {
        if (QString(captions[i]) == "-") {
            items_[i] = menu_->addSeparator();
            continue;
        }
        items_[i] = menu_->addAction(QString::fromUtf8(captions[i]));
    }
    for (int i : {int(ItemController), int(ItemTitle), int(ItemPencilMode)}) items_[i]->setCheckable(true);
    menu_->setDefaultAction(items_[ItemController]);

    auto* sizeMenu = new QMenu(menu_);
    const char* sizes[kPencilSizes] = {"極太(&H)", "太い(&B)", "細い(&L)", "極細(&T)"};
    for (int i = 0; i < kPencilSizes; ++i) {
        sizes_[i] = sizeMenu->addAction(QString::fromUtf8(sizes[i]));
        sizes_[i]->setCheckable(true);
        QObject::connect(sizes_[i], &QAction::triggered, menu_, [this, i] {
            if (Events.PencilSize) Events.PencilSize(i);
        });
    }
    items_[ItemSize]->setMenu(sizeMenu);

    auto* colourMenu = new QMenu(menu_);
    const char* colours[kPencilColours] = {"白(&W)", "黒(&K)", "-", "赤(&R)", "緑(&G)", "青(&B)"};
    for (int i = 0; i < kPencilColours; ++i) {
        if (QString(colours[i]) == "-") {
            colours_[i] = colourMenu->addSeparator();
            continue;
        }
        colours_[i] = colourMenu->addAction(QString::fromUtf8(colours[i]));
        colours_[i]->setCheckable(true);
        QObject::connect(colours_[i], &QAction::triggered, menu_, [this, i] {
            if (Events.PencilColor) Events.PencilColor(i);
        });
    }
    items_[ItemColour]->setMenu(colourMenu);

    auto forward = [this](int item, std::function<void()> EventHandlers::*handler) {
        QObject::connect(items_[item], &QAction::triggered, menu_, [this, handler] {
            if (Events.*handler) (Events.*handler)();
        });
    };
    forward(ItemController, &EventHandlers::Controller);
    forward(ItemTitle, &EventHandlers::Title);
    forward(ItemPencilMode, &EventHandlers::PencilMode);
    forward(ItemEraseAll, &EventHandlers::EraseAll);
}

TheaterMenu::~TheaterMenu() { delete menu_.data(); }

void TheaterMenu::Update(const State& state) {
    items_[ItemController]->setEnabled(state.TheaterMode);
    items_[ItemController]->setChecked(state.MainVisible);
    items_[ItemTitle]->setVisible(state.TheaterMode);
    items_[ItemTitle]->setChecked(state.ShowTitle);
    items_[ItemPencilMode]->setChecked(state.PencilMode);
    for (int i : {int(ItemSize), int(ItemColour), int(ItemEraseAll)}) items_[i]->setEnabled(state.PencilMode);
    for (int i = 0; i < kPencilSizes; ++i) sizes_[i]->setChecked(i == state.PencilSize);
    for (int i = 0; i < kPencilColours; ++i) colours_[i]->setChecked(i == state.PencilColor);
}

void TheaterMenu::Popup(const QPoint& globalPosition) { menu_->exec(globalPosition); }

} // namespace gb
