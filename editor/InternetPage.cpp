#include "InternetPage.h"

#include "InternetLinks.h"
#include "album/AlbumRecords.h"
#include "album/AlbumUrl.h"
#include "album/GeneralSheet.h"
#include "app/GeneralMain.h"
#include "platform/Collation.h"
#include "platform/DirectorySearch.h"
#include "platform/ErrorRecord.h"
#include "platform/FileIO.h"
#include "platform/FileReplace.h"
#include "resources/StringTable.h"
#include "shell/CompanionLibraries.h"
#include "shell/GeneralWin32ExAPI.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>

namespace gb {
namespace {

enum : int16_t {
    kStatusDone = 2009, kStatusSearching = 2007, kStatusDownloading = 2008,
    kCheckAddress = 10017, kDownloadCancelled = 10018,
};
enum : uint32_t { kExclamation = 48, kInformation = 64 };

// A result list item, sorted as the desktop sorts names for display.
class ResultItem : public QListWidgetItem {
public:
    ResultItem(const std::string& text, int data) : QListWidgetItem(QString::fromStdString(text)) {
        setData(Qt::UserRole, data);
    }
    bool operator<(const QListWidgetItem& other) const override {
        return CompareForDisplay(text().toStdString(), other.text().toStdString()) < 0;
    }
};

// Reports the error just recorded to the event log.
void LogRecordedError(const std::string& description, const std::string& source) {
    Err().Raise(kObjectError, description, source);
    std::string text;
    LogError(text);
}

// Selects the whole text whenever the box gets the focus (after the click that gave
// it the focus has placed the cursor).
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
        return false;
    }
};

} // namespace

InternetPage::InternetPage(EditorLink link, QWidget* parent) : QWidget(parent), link_(std::move(link)) {
    BuildControls();
    Internet->Events.AsyncReadComplete = [this](const AsyncProperty& p) { Internet_AsyncReadComplete(p); };
    Internet->Events.Parse = [this](const std::string& l, int16_t key) { Internet_Parse(l, key); };
    ShowAddress();
    TextAddress_Change();
}

void InternetPage::BuildControls() {
    auto* column = new QVBoxLayout(this);
    auto* addressLabel = new QLabel("アドレス(&P)", this);
    TextAddress = new QLineEdit(this);
    TextAddress->setDragEnabled(true);
    TextAddress->installEventFilter(new SelectAllOnFocus(TextAddress));
    addressLabel->setBuddy(TextAddress);
    column->addWidget(addressLabel);
    column->addWidget(TextAddress);

    auto* searchRow = new QHBoxLayout;
    CommandParse = new QPushButton("検索...", this);
    CheckBrowser = new QCheckBox("ブラウザでも移動する(&B)", this);
    searchRow->addWidget(CheckBrowser, 1);
    searchRow->addWidget(CommandParse);
    column->addLayout(searchRow);

    auto* resultLabel = new QLabel("検索結果(&R)", this);
    ListParse = new QListWidget(this);
    ListParse->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListParse->setSortingEnabled(true);
    resultLabel->setBuddy(ListParse);
    column->addWidget(resultLabel);
    column->addWidget(ListParse, 1);

    const char* const options[] = {"次から任意に選択(&F)", "すべて選択(&A)", "JPEG のみ選択(&J)"};
    for (int i = 0; i < 3; ++i) {
        OptionQueries[i] = new QRadioButton(options[i], this);
        column->addWidget(OptionQueries[i]);
        connect(OptionQueries[i], &QRadioButton::clicked, this, [this, i] { OptionQueries_Click(i); });
    }
    OptionQueries[QueryFree]->setChecked(true);
    CheckQuery = new QCheckBox("新しいギャラリーとして上書き(&U)", this);
    CheckQuery->setChecked(true);
    column->addWidget(CheckQuery);

    auto* downloadRow = new QHBoxLayout;
    CommandDownload = new QPushButton("ダウンロード(&D)", this);
    CommandBlank = new QPushButton("キャンセル", this);
    Internet = new ControlInternet(this);
    downloadRow->addWidget(Internet);
    downloadRow->addStretch(1);
    downloadRow->addWidget(CommandDownload);
    downloadRow->addWidget(CommandBlank);
    column->addLayout(downloadRow);

    // The page as the editor shows it first: nothing to search, nothing to choose.
    for (QWidget* w : std::initializer_list<QWidget*>{ListParse, OptionQueries[0], OptionQueries[1], OptionQueries[2],
                                                       CheckQuery, CommandDownload})
        w->setEnabled(false);
    CommandBlank->setVisible(false);

    connect(TextAddress, &QLineEdit::textChanged, this, [this] { TextAddress_Change(); });
    connect(CommandParse, &QPushButton::clicked, this, [this] { CommandParse_Click(); });
    connect(ListParse, &QListWidget::itemSelectionChanged, this, [this] { ListParse_Click(); });
    connect(CommandDownload, &QPushButton::clicked, this, [this] { CommandDownload_Click(); });
    connect(CommandBlank, &QPushButton::clicked, this, [this] { CommandBlank_Click(); });
}

void InternetPage::ShowAddress() { TextAddress->setText(QString::fromStdString(ReadAlbumUrl())); }

Hwnd InternetPage::Owner() const { return HandleOf(window()); }

std::string InternetPage::KeyOf(int itemData) { return " " + std::to_string(itemData); }

void InternetPage::ShowStatusFor(SearchState state, bool wasBusy) {
    if (!link_.ShowStatus) return;
    const int16_t message =
        state == Searching ? kStatusSearching : state == Downloading ? kStatusDownloading : kStatusDone;
    // The busy count moves only when the page turns busy or idle, so that every rise
    // has exactly one fall whatever order the events come in.
    link_.ShowStatus(busy_ == wasBusy ? std::nullopt : std::optional<bool>(busy_), message);
}

void InternetPage::SetSearchState(SearchState state) {
    const bool wasBusy = busy_;
    busy_ = state == Searching || state == Downloading;
    state_ = state;
    ShowStatusFor(state, wasBusy);
    const auto enableOptions = [this](bool on) {
        for (QRadioButton* option : OptionQueries) option->setEnabled(on);
    };
    switch (state) {
    case Searching:
        ListParse->setEnabled(false);
        enableOptions(false);
        CheckQuery->setEnabled(false);
        CommandDownload->setEnabled(false);
        break;
    case Results:
        ListParse->setEnabled(true);
        enableOptions(true);
        OptionQueries[QueryFree]->setChecked(true);
        OptionQueries_Click(QueryFree);
        break;
    case Ready:
    case Finished:
        TextAddress->setEnabled(true);
        CommandParse->setEnabled(true);
        ListParse->setEnabled(SelectedOption({OptionQueries[0], OptionQueries[1], OptionQueries[2]}) == QueryFree);
        enableOptions(true);
        CheckQuery->setEnabled(true);
        CommandDownload->setVisible(true);
        CommandBlank->setVisible(false);
        if (state == Finished) CommandDownload->setEnabled(false);
        break;
    case Downloading:
        TextAddress->setEnabled(false);
        CommandParse->setEnabled(false);
        ListParse->setEnabled(false);
        enableOptions(false);
        CheckQuery->setEnabled(false);
        CommandDownload->setVisible(false);
        CommandBlank->setVisible(true);
        break;
    }
    ApplyControlColours({TextAddress, ListParse});
}

void InternetPage::TextAddress_Change() {
    const bool any = !TextAddress->text().isEmpty();
    CommandParse->setEnabled(any);
    CheckBrowser->setEnabled(any);
}

void InternetPage::CommandParse_Click() {
    const std::string address = TextAddress->text().toStdString();
    const bool pagePending = state_ == Searching;
    SetSearchState(Searching);
    bool started = true;
    if (CheckBrowser->isChecked()) started = Internet->HyperLink().NavigateTo(address);
    // A page still on its way belongs to a search that this one replaces.
    if (pagePending) Internet->CancelAsyncReads({""});
    if (started) started = Internet->AsyncRead(address, AsyncTypeByteArray);
    if (started) {
        // Without an open album there is no folder to keep the address in.
        if (!Album.Folder.empty()) WriteAlbumUrl(address);
        return;
    }
    SetSearchState(Results);
    MsgBox(Owner(), LoadResString(kCheckAddress), AppTitle(), kExclamation);
}

void InternetPage::OptionQueries_Click(int index) {
    {
        QSignalBlocker quiet(ListParse);
        ListParse->setEnabled(index == QueryFree);
        ListParse->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        for (int row = 0; row < ListParse->count(); ++row) {
            QListWidgetItem* item = ListParse->item(row);
            item->setSelected(index == QueryAll ||
                              (index == QueryJpeg && MatchesPattern(item->text().toStdString(), "*.jpg")));
        }
        ListParse->scrollToTop();
    }
    ApplyControlColours({ListParse});
    ListParse_Click();
}

bool InternetPage::AnySelected() const { return !ListParse->selectedItems().isEmpty(); }

void InternetPage::ListParse_Click() {
    // While pictures arrive the list changes under the download; the buttons then
    // follow the search state alone.
    if (state_ == Downloading || state_ == Searching) return;
    const bool any = AnySelected();
    CheckQuery->setEnabled(any);
    CommandDownload->setEnabled(any);
}

void InternetPage::CommandDownload_Click() {
    SetSearchState(Downloading);
    std::vector<QListWidgetItem*> refused;
    for (int row = 0; row < ListParse->count(); ++row) {
        QListWidgetItem* item = ListParse->item(row);
        if (!item->isSelected()) continue;
        const int key = item->data(Qt::UserRole).toInt();
        const bool known = key >= 1 && size_t(key) <= FoundLinks.size();
        // A request the platform refuses is logged by the control; its picture will
        // never arrive, so it leaves the list like one that did.
        if (!known || !Internet->AsyncRead(FoundLinks[size_t(key - 1)], AsyncTypeFile, KeyOf(key)))
            refused.push_back(item);
    }
    {
        QSignalBlocker quiet(ListParse);
        for (QListWidgetItem* item : refused) delete item;
    }
    if (!AnySelected()) SetSearchState(Finished);
}

void InternetPage::CommandBlank_Click() {
    std::vector<std::string> keys;
    for (QListWidgetItem* item : ListParse->selectedItems()) keys.push_back(KeyOf(item->data(Qt::UserRole).toInt()));
    Internet->CancelAsyncReads(keys);
    MsgBox(Owner(), LoadResString(kDownloadCancelled), AppTitle(), kInformation);
    SetSearchState(Ready);
}

void InternetPage::Internet_AsyncReadComplete(const AsyncProperty& AsyncProp) {
    if (AsyncProp.Type == AsyncTypeByteArray) PageArrived(AsyncProp);
    else PictureArrived(AsyncProp);
}

void InternetPage::PageArrived(const AsyncProperty& page) {
    FoundLinks.clear();
    {
        QSignalBlocker quiet(ListParse);
        ListParse->clear();
    }
    SetSearchState(Results);
    if (!page.Ok) {
        // A page that cannot be had is no empty page: the user is told to check it.
        LogRecordedError(page.Error + " (" + page.Url + ")", "ControlInternet");
        MsgBox(Owner(), LoadResString(kCheckAddress), AppTitle(), kExclamation);
        return;
    }
    const std::string address = TextAddress->text().toStdString();
    QSignalBlocker quiet(ListParse);
    Internet->Parse(LinkFromImage, address, page.Bytes, "IMG", "SRC", page.ContentType);
    Internet->Parse(LinkFromAnchor, address, page.Bytes, "A", "HREF", page.ContentType);
}

void InternetPage::Internet_Parse(const std::string& link, int16_t key) {
    const std::optional<std::string> address = PictureAddress(link, TextAddress->text().toStdString());
    if (!address) return;
    FoundLinks.push_back(*address);
    QSignalBlocker quiet(ListParse);
    ListParse->addItem(new ResultItem(PictureDisplayName(link, key), int(FoundLinks.size())));
}

QListWidgetItem* InternetPage::ItemOfKey(int key) const {
    for (int row = 0; row < ListParse->count(); ++row)
        if (ListParse->item(row)->data(Qt::UserRole).toInt() == key) return ListParse->item(row);
    return nullptr;
}

void InternetPage::PictureArrived(const AsyncProperty& picture) {
    const auto removeTemporary = [&picture] {
        if (!picture.File.empty()) RemoveFile(picture.File);
    };
    char* end = nullptr;
    const long key = std::strtol(picture.Key.c_str(), &end, 10);
    QListWidgetItem* item = end != picture.Key.c_str() && *end == '\0' ? ItemOfKey(int(key)) : nullptr;
    if (!item) {
        LogRecordedError("no picture of the list waits for the download" + picture.Key, "InternetPage");
        removeTemporary();
        return;
    }
    const std::string name = item->text().toStdString();
    {
        QSignalBlocker quiet(ListParse);
        delete item;
    }
    if (picture.Ok) StorePicture(picture.File, name);
    else LogRecordedError(picture.Error + " (" + picture.Url + ")", "ControlInternet");
    removeTemporary();
    if (!AnySelected() && (state_ == Downloading || state_ == Ready)) SetSearchState(Finished);
}

bool InternetPage::StorePicture(const std::string& temporary, const std::string& name) {
    // Only a plain file name is stored: a name from a web page never reaches another
    // folder.
    if (Album.Folder.empty() || !IsPlainFileName(name)) return false;
    const std::string target = Album.Folder + "/" + name;
    if (!CheckQuery->isChecked() && PathExists(target)) return false;
    const bool isNew = FileExists(temporary) && !PathExists(target);
    const std::optional<std::string> bytes = ReadFileBytes(temporary);
    if (!bytes || !ReplaceFileContents(target, *bytes)) return false;
    const int before = Album.GalleryCount;
    BuildGalleryList(false);
    RefreshGalleryList();
    RelayoutSheet();
    // Appending is right only when the new file became the one new last gallery.
    if (link_.LoadThumbnails) link_.LoadThumbnails(isNew && Album.GalleryCount == before + 1 ? 2 : 0);
    if (link_.ShowAlbumProperties) link_.ShowAlbumProperties();
    if (link_.Reload) link_.Reload();
    return true;
}

void InternetPage::keyPressEvent(QKeyEvent* event) {
    QPushButton* button = nullptr;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) button = CommandParse;
    else if (event->key() == Qt::Key_Escape) button = CommandBlank;
    if (button && button->isVisibleTo(this) && button->isEnabled()) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace gb
