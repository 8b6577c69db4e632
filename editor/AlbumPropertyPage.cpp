#include "AlbumPropertyPage.h"

#include "GeneralProperty.h"
#include "album/AlbumRecords.h"
#include "app/GeneralMain.h"
#include "shell/GeneralWin32ExAPI.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace gb {
namespace {

constexpr int kMargin = 8;
constexpr int kRow = 22;
constexpr int kCaption = 18;
constexpr int kCalendarHeight = 180;
// The calendar holds a range of at most this many days.
constexpr int32_t kLongestRange = 10;

} // namespace

AlbumPropertyPage::AlbumPropertyPage(QWidget* parent) : QWidget(parent) {
    const char* captions[4] = {"タイトル(&T)", "タイムスタンプ(&S)", "ギャラリーの合計", "保存場所(&P)"};
    for (int i = 0; i < 4; ++i) captions_[i] = new QLabel(QString::fromUtf8(captions[i]), this);

    TextTitle = new QLineEdit(this);
    CommandTitle = new QPushButton(QStringLiteral("&..."), this);
    LabelGallery = new QLabel(this);
    LabelGallery->setProperty("Tag", QString::fromUtf8("全 # 点;<ｴﾗｰ>;(なし)"));
    TextPath = new QLineEdit(this);
    TextPath->setReadOnly(true); // shown for copying; nothing typed there is used

    CalendarStamp.MultiSelect = true;
    CalendarStamp.Create(HandleOf(this), 0);
    CalendarStamp.SetSelLimit(kLongestRange);
    CalendarStamp.Events.Change = [this] { CalendarStamp_Change(); };

    captions_[0]->setBuddy(TextTitle);
    captions_[1]->setBuddy(WidgetOf(CalendarStamp.hCalendar));
    captions_[3]->setBuddy(TextPath);

    connect(TextTitle, &QLineEdit::textEdited, this, [this](const QString& text) {
        Album.Title = text.toStdString();
        if (Events.TitleChanged) Events.TitleChanged();
    });
    connect(TextTitle, &QLineEdit::returnPressed, this, [this] {
        if (Events.TitleEntered) Events.TitleEntered();
    });
    connect(CommandTitle, &QPushButton::clicked, this, [this] {
        if (Events.TitleCommand) Events.TitleCommand();
    });
    TextTitle->installEventFilter(this);
    TextPath->installEventFilter(this);
    Arrange();
}

AlbumPropertyPage::~AlbumPropertyPage() { CalendarStamp.Destroy(); }

void AlbumPropertyPage::Arrange() {
    const int w = width();
    int y = kMargin;
    captions_[0]->setGeometry(kMargin, y, w - 2 * kMargin, kCaption);
    y += kCaption;
    TextTitle->setGeometry(kMargin, y, w - 3 * kMargin - kRow, kRow);
    CommandTitle->setGeometry(w - kMargin - kRow, y, kRow, kRow);
    y += kRow + kMargin;
    captions_[1]->setGeometry(kMargin, y, w - 2 * kMargin, kCaption);
    y += kCaption;
    CalendarStamp.Move(kMargin, y, w - 2 * kMargin, kCalendarHeight);
    y += kCalendarHeight + kMargin;
    captions_[2]->setGeometry(kMargin, y, 110, kCaption);
    LabelGallery->setGeometry(kMargin + 110, y, w - 2 * kMargin - 110, kCaption);
    y += kCaption + kMargin;
    captions_[3]->setGeometry(kMargin, y, w - 2 * kMargin, kCaption);
    y += kCaption;
    TextPath->setGeometry(kMargin, y, w - 2 * kMargin, kRow);
}

void AlbumPropertyPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void AlbumPropertyPage::ShowAlbumProperties() {
    filling_ = true;
    TextTitle->setText(QString::fromStdString(Album.Title));
    CalendarStamp.SetCurrent(Album.Stamp);
    CalendarStamp.SelRange(Album.Stamp, Album.Stamp);
    LabelGallery->setText(QString::fromStdString(
        FormatCount(Album.GalleryCount, LabelGallery->property("Tag").toString().toStdString())));
    const std::string longPath = LongPathOf(Album.Folder);
    TextPath->setText(QString::fromStdString(longPath.empty() ? Album.Folder : longPath));
    if (Extra.StampRange) CalendarStamp.SelRange(Album.Stamp, Extra.StampEnd);
    filling_ = false;
}

void AlbumPropertyPage::ApplyEditMode(bool editMode) {
    TextTitle->setReadOnly(!editMode);
    CommandTitle->setEnabled(editMode);
    CalendarStamp.SetEnabled(editMode);
    ApplyControlColours({TextTitle, TextPath});
}

void AlbumPropertyPage::CalendarStamp_Change() {
    if (filling_) return;
    Album.Stamp = CalendarStamp.SelMin();
    Extra.StampEnd = CalendarStamp.SelMax();
    Extra.StampRange = Album.Stamp != Extra.StampEnd;
}

bool AlbumPropertyPage::eventFilter(QObject* watched, QEvent* event) {
    // A text box that gets the focus selects its whole text.
    if (event->type() == QEvent::FocusIn)
        if (auto* text = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, text, [text] { text->selectAll(); });
    return QWidget::eventFilter(watched, event);
}

} // namespace gb
