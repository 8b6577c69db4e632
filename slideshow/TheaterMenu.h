#pragma once
// The context menu of the theater window: the controller switch, the title, the
// pencil mode with its size and colour menus, and erasing the pencil's drawing.
#include <QMenu>
#include <QPointer>
#include <functional>

class QAction;
class QWidget;

namespace gb {

class TheaterMenu {
public:
    enum Item : int {
        ItemController = 0,
        ItemTitle = 2,
        ItemPencilMode = 3,
        ItemSize = 5,
        ItemColour = 6,
        ItemEraseAll = 7,
        kItems = 8,
    };
    static constexpr int kPencilSizes = 4;
    static constexpr int kPencilColours = 6; // index 2 is a separator

    explicit TheaterMenu(QWidget* owner);
    ~TheaterMenu();
    TheaterMenu(const TheaterMenu&) = delete;
    TheaterMenu& operator=(const TheaterMenu&) = delete;

    // What the items show before the menu pops up.
    struct State {
        bool TheaterMode = false;
        bool MainVisible = false;
        bool ShowTitle = false;
        bool PencilMode = false;
        int PencilSize = 0;
        int PencilColor = 0;
    };
    void Update(const State& state);
    // Pops the menu up at a screen point and waits for the choice.
    void Popup(const QPoint& globalPosition);

    struct EventHandlers {
        std::function<void()> Controller;
        std::function<void()> Title;
        std::function<void()> PencilMode;
        std::function<void(int size)> PencilSize;
        std::function<void(int colour)> PencilColor;
        std::function<void()> EraseAll;
    } Events;

    QMenu* Menu() const { return menu_; }
    QAction* Menus(int index) const { return items_[index]; }
    QAction* PencilSizes(int index) const { return sizes_[index]; }
    QAction* PencilColors(int index) const { return colours_[index]; }

private:
    QPointer<QMenu> menu_;
    QAction* items_[kItems] = {};
    QAction* sizes_[kPencilSizes] = {};
    QAction* colours_[kPencilColours] = {};
};

} // namespace gb
