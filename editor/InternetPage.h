#pragma once
// Page 2 "インターネットから検索" of the album editor: the user types the address of a
// web page and searches it; the pictures the page shows and links to are listed by
// name; the chosen ones are downloaded into the album folder, each becoming a gallery
// as soon as it arrives. The page address is kept as the album's Internet address.
//
// The editor hosts the page in its tab strip and gives it the few operations of its
// own that the page calls (EditorLink).
#include "ControlInternet.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace gb {

class InternetPage : public QWidget {
public:
    // What the page needs from the album editor.
    struct EditorLink {
        // The status display: busy true raises the busy count, false lowers it,
        // nullopt leaves it; the message is a string number (0 for the default text).
        std::function<void(std::optional<bool> busy, int16_t message)> ShowStatus;
        // The thumbnail list: 0 a full reload, 2 the last gallery appended.
        std::function<void(int16_t mode)> LoadThumbnails;
        std::function<void()> ShowAlbumProperties;
        // The main window's Reload.
        std::function<void()> Reload;
    };

    enum SearchState : int16_t { Searching = 0, Results = 1, Ready = 2, Downloading = 3, Finished = 4 };
    enum QueryOption : int { QueryFree = 0, QueryAll = 1, QueryJpeg = 2 };

    explicit InternetPage(EditorLink link, QWidget* parent = nullptr);

    // Puts the album's stored Internet address into the address box (done once when
    // the page is made; the editor may call it again).
    void ShowAddress();
    void SetSearchState(SearchState state);
    SearchState State() const { return state_; }

    // The page's controls.
    QLineEdit* TextAddress;
    QPushButton* CommandParse;
    QCheckBox* CheckBrowser;
    QListWidget* ListParse;
    QRadioButton* OptionQueries[3];
    QCheckBox* CheckQuery;
    QPushButton* CommandDownload;
    QPushButton* CommandBlank;
    ControlInternet* Internet;

    // The absolute addresses of the pictures found on the page searched last; entry k
    // (from 1) is FoundLinks[k - 1], and a list item's data is its k.
    std::vector<std::string> FoundLinks;

    // Handlers.
    void TextAddress_Change();
    void CommandParse_Click();
    void OptionQueries_Click(int index);
    void ListParse_Click();
    void CommandDownload_Click();
    void CommandBlank_Click();
    void Internet_AsyncReadComplete(const AsyncProperty& AsyncProp);
    void Internet_Parse(const std::string& link, int16_t key);

    // The key of a download: the item data as text with a leading blank.
    static std::string KeyOf(int itemData);

protected:
    // Enter presses "検索..." and Esc "キャンセル" while they are shown and enabled.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildControls();
    void PageArrived(const AsyncProperty& page);
    void PictureArrived(const AsyncProperty& picture);
    // Copies the downloaded file into the album folder and brings the editor in step;
    // false when nothing was stored.
    bool StorePicture(const std::string& temporary, const std::string& name);
    QListWidgetItem* ItemOfKey(int key) const;
    bool AnySelected() const;
    void ShowStatusFor(SearchState state, bool wasBusy);
    Hwnd Owner() const;

    EditorLink link_;
    SearchState state_ = Finished;
    bool busy_ = false;
};

} // namespace gb
