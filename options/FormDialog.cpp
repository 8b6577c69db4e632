#include "FormDialog.h"

#include "DriveIcon.h"
#include "app/GeneralMain.h"
#include "platform/Desktop.h"
#include "platform/TwipRect.h"
#include "platform/window/DeviceContexts.h"
#include "resources/StringTable.h"
#include "shell/ClassHelp.h"
#include "shell/GeneralWin32ExAPI.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWhatsThis>

namespace gb {
namespace {

// Geometry of the window's design, in twips.

constexpr TwipRect kClient{0, 0, 4800, 3600};
constexpr TwipRect kImageTitle{4245, 75, 480, 480};
constexpr TwipRect kLabelTitle{150, 300, 3975, 240};
constexpr TwipRect kPageArea{75, 750, 4665, 2190};
constexpr TwipRect kLabelHelp{150, 3225, 900, 240};
constexpr TwipRect kCommandOK{1500, 3150, 1515, 315};
constexpr TwipRect kCommandCancel{3150, 3150, 1515, 315};
constexpr int kCaptionWidth = 1650;
constexpr int kFieldWidth = 2790;
constexpr int kRowHeight = 300;

// The help contexts of the two frames.
constexpr int32_t kAlbumHelpContext = 403;
constexpr int32_t kGalleryHelpContext = 404;

// System colours: button face and the hot-track text.
constexpr uint32_t kButtonFace = 0x8000000F;
constexpr uint32_t kHotTrack = 0x8000001A;

constexpr const char* kHelpTopic = "HelpTopic";

QColor ColourOf(uint32_t code) {
    const uint32_t rgb = SystemColor(code);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

template <class Control>
Control* Place(QWidget* frame, const TwipRect& where, const QString& text = {}) {
    auto* control = new Control(frame);
    if (!text.isEmpty()) control->setText(text);
    control->setGeometry(where.Pixels());
    return control;
}

} // namespace

FormDialog::FormDialog() : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QString::fromStdString(LoadResString(PageAlbum)));
    setFont(QFont(QString::fromStdString(MapFontName("MS UI Gothic")), 9));
    setFixedSize(kClient.Pixels().size());

    ImageTitle = Place<QLabel>(this, kImageTitle);
    ImageTitle->setAlignment(Qt::AlignCenter);
    LabelTitle = Place<QLabel>(this, kLabelTitle);
    QFont bold = font();
    bold.setBold(true);
    LabelTitle->setFont(bold);

    PageArea = new ControlPage(this);
    PageArea->setGeometry(kPageArea.Pixels());
    PageArea->hide();

    LabelHelp = Place<QLabel>(this, kLabelHelp, QString::fromUtf8("ヘルプ"));
    LabelHelp->setCursor(Qt::PointingHandCursor);
    QPalette helpColours = LabelHelp->palette();
    helpColours.setColor(QPalette::Window, ColourOf(kButtonFace));
    helpColours.setColor(QPalette::WindowText, ColourOf(kHotTrack));
    LabelHelp->setPalette(helpColours);
    LabelHelp->setAutoFillBackground(true);
    LabelHelp->installEventFilter(this);

    CommandOK = Place<QPushButton>(this, kCommandOK, QStringLiteral("OK"));
    CommandOK->setDefault(true);
    CommandOK->setAutoDefault(true);
    CommandCancel = Place<QPushButton>(this, kCommandCancel, QString::fromUtf8("キャンセル"));
    connect(CommandOK, &QPushButton::clicked, this, [this] { accept(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { reject(); });

    for (QWidget* movable : {static_cast<QWidget*>(LabelTitle), static_cast<QWidget*>(ImageTitle)})
        movable->installEventFilter(this);

    BuildAlbumPage();
    BuildGalleryPage();

    // The window surface the window helper draws its edge into.
    surface_ = QImage(size(), QImage::Format_RGB32);
    surface_.fill(palette().color(QPalette::Window));
    surfaceDC_ = CreateImageContext(&surface_, font());
    window_.hWnd = HandleOf(this);
    window_.hDC = surfaceDC_;
}

FormDialog::~FormDialog() {
    window_.hDC = 0;
    DeleteImageContext(surfaceDC_);
}

void FormDialog::BuildAlbumPage() {
    auto* frame = new QWidget(this);
    frame->setGeometry(kPageArea.Pixels());
    frame->hide();
    FramePages[PageAlbum] = frame;

    LabelInfo[1] = Place<QLabel>(frame, {75, 150, kCaptionWidth, 240}, QString::fromUtf8("タイトル(&T)"));
    TextItems[0] = Place<QLineEdit>(frame, {1800, 75, kFieldWidth, kRowHeight});
    LabelInfo[1]->setBuddy(TextItems[0]);
    LabelInfo[2] = Place<QLabel>(frame, {75, 600, kCaptionWidth, 240}, QString::fromUtf8("対象範囲(&R)"));
    CheckItems[0] = Place<QCheckBox>(frame, {1800, 525, kFieldWidth, kRowHeight}, QString::fromUtf8("フォルダ名も変更する(&F)"));
    LabelInfo[2]->setBuddy(CheckItems[0]);
    ShapePanel = new QFrame(frame);
    ShapePanel->setFrameShape(QFrame::HLine);
    ShapePanel->setFrameShadow(QFrame::Sunken);
    ShapePanel->setGeometry(TwipRect{75, 975 - 15, 4515, 30}.Pixels());
    LabelInfo[3] = Place<QLabel>(frame, {75, 1200, kCaptionWidth, 240}, QString::fromUtf8("場所"));
    ImageItems[0] = Place<QLabel>(frame, {1800, 1050, 480, 480});
    ImageItems[0]->setAlignment(Qt::AlignCenter);
    LabelItems[0] = Place<QLabel>(frame, {2400, 1200, 2190, 240});
    TextItems[1] = Place<QLineEdit>(frame, {1800, 1575, kFieldWidth, kRowHeight});
    TextItems[1]->setReadOnly(true);
    LabelInfo[4] = Place<QLabel>(frame, {75, 1875, kCaptionWidth, 240}, QString::fromUtf8("ギャラリーのサイズ"));
    LabelItems[1] = Place<QLabel>(frame, {1800, 1875, kFieldWidth, 240});
    LabelItems[1]->setProperty("FormatText", QString::fromUtf8("0,000. ﾊﾞｲﾄ"));

    frame->setProperty("HelpContextID", kAlbumHelpContext);
    WatchControl(TextItems[0], 911);
    WatchControl(CheckItems[0], 912);
    WatchControl(ImageItems[0], 913);
    WatchControl(LabelItems[0], 913);
    WatchControl(TextItems[1], 913);
    WatchControl(LabelItems[1], 914);

    // A grayed box says the folder already bears the title; a click checks it.
    connect(CheckItems[0], &QCheckBox::clicked, this, [this] {
        if (CheckItems[0]->checkState() == Qt::PartiallyChecked) CheckItems[0]->setCheckState(Qt::Checked);
    });
}

void FormDialog::BuildGalleryPage() {
    auto* frame = new QWidget(this);
    frame->setGeometry(kPageArea.Pixels());
    frame->hide();
    FramePages[PageGalleries] = frame;

    LabelInfo[5] = Place<QLabel>(frame, {75, 150, kCaptionWidth, 240}, QString::fromUtf8("タイトル(&T)"));
    TextItems[2] = Place<QLineEdit>(frame, {1800, 75, kFieldWidth, kRowHeight});
    LabelInfo[5]->setBuddy(TextItems[2]);
    LabelInfo[6] = Place<QLabel>(frame, {75, 600, kCaptionWidth, 240}, QString::fromUtf8("インデックス(&I)"));
    const char* options[3] = {"なし(&N)", "インデックスを付ける(&#)", "桁揃えインデックスを付ける(&*)"};
    for (int k = 0; k < 3; ++k) {
        OptionItems[k] =
            Place<QRadioButton>(frame, {1800, 525 + 300 * k, kFieldWidth, kRowHeight}, QString::fromUtf8(options[k]));
        connect(OptionItems[k], &QRadioButton::clicked, this, [this, k] { OptionItems_Click(k); });
        WatchControl(OptionItems[k], 922);
    }
    LabelInfo[6]->setBuddy(OptionItems[0]);
    LabelItems[2] = Place<QLabel>(frame, {1800, 1575, 1950, 240}, QString::fromUtf8("次の値からはじめる"));
    TextItems[3] = Place<QLineEdit>(frame, {3825, 1500, 765, kRowHeight}, QStringLiteral("1"));
    TextItems[3]->setProperty("Tag", QStringLiteral("1"));
    LabelInfo[7] = Place<QLabel>(frame, {75, 1950, kCaptionWidth, 240}, QString::fromUtf8("対象範囲(&R)"));
    CheckItems[1] = Place<QCheckBox>(frame, {1800, 1875, kFieldWidth, kRowHeight}, QString::fromUtf8("ファイル名も変更する(&F)"));
    LabelInfo[7]->setBuddy(CheckItems[1]);

    frame->setProperty("HelpContextID", kGalleryHelpContext);
    WatchControl(TextItems[2], 921);
    WatchControl(TextItems[3], 922);
    WatchControl(CheckItems[1], 923);

    connect(TextItems[2], &QLineEdit::textChanged, this,
            [this](const QString& text) { CommandOK->setEnabled(!text.isEmpty()); });
    connect(TextItems[3], &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!IsNumericText(text.toStdString())) TextItems[3]->setText(TextItems[3]->property("Tag").toString());
    });
}

// Every text field selects its text on focus; every control carries its help topic.
void FormDialog::WatchControl(QWidget* control, int32_t helpTopic) {
    control->setProperty(kHelpTopic, helpTopic);
    control->setWhatsThis(QString::number(helpTopic));
    control->installEventFilter(this);
}

bool FormDialog::Dialog(QWidget* owner, int16_t page) {
    const auto frame = FramePages.find(page);
    if (frame == FramePages.end()) return false;

    owner_ = owner ? HandleOf(owner) : 0;
    setParent(owner, windowFlags());
    ImageTitle->setPixmap(QPixmap::fromImage(QImage(QStringLiteral(":/editor/icon2.png"))));
    LabelTitle->setText(QString::fromStdString(LoadResString(page)));
    setWindowTitle(LabelTitle->text());

    MoveControls(frame->second, PageArea);
    PageArea->HelpContextID = frame->second->property("HelpContextID").toInt();
    PageArea->show();
    InitPage(page);

    const bool confirmed = exec() == QDialog::Accepted;
    if (confirmed) ApplyPage(page);

    PageArea->hide();
    PageArea->HelpContextID = 0;
    MoveControls(PageArea, frame->second);
    // The owner does not keep the dialog: it stays loaded on its own between uses.
    setParent(nullptr, windowFlags());
    owner_ = 0;
    return confirmed;
}

void FormDialog::MoveControls(QWidget* from, QWidget* to) {
    for (QWidget* control : from->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect where = control->geometry();
        const bool hidden = control->isHidden();
        control->setParent(to);
        control->setGeometry(where);
        control->setVisible(!hidden);
    }
}

void FormDialog::InitPage(int16_t page) {
    if (page == PageAlbum) {
        TextItems[0]->setText(QString::fromStdString(Album.Title));
        CheckItems[0]->setTristate(false);
        CheckItems[0]->setCheckState(FolderBearsTitle(Album) ? Qt::PartiallyChecked : Qt::Unchecked);
        const std::string drive = DriveOf(Album.Folder);
        const QImage icon = DriveIcon(drive);
        ImageItems[0]->setPixmap(icon.isNull() ? QPixmap()
                                               : QPixmap::fromImage(icon.scaled(ImageItems[0]->size(), Qt::KeepAspectRatio,
                                                                                Qt::SmoothTransformation)));
        LabelItems[0]->setText(QString::fromStdString(VolumeLabel(drive)));
        TextItems[1]->setText(QString::fromStdString(Album.Folder));
        ApplyControlColours({TextItems[1]});
        LabelItems[1]->setText(QString::fromStdString(FormatByteCount(GalleryBytes(Album))));
        TextItems[0]->setFocus();
        return;
    }
    int selected = 0;
    std::string first;
    for (const GalleryInfo& gallery : Album.Galleries) {
        if (!gallery.Selected) continue;
        if (selected++ == 0) first = gallery.Title;
    }
    const bool any = selected != 0;
    TextItems[2]->setText(QString::fromStdString(first));
    CommandOK->setEnabled(any);
    TextItems[2]->setEnabled(any);
    ApplyControlColours({TextItems[2]});
    CheckItems[1]->setEnabled(any);
    CheckItems[1]->setChecked(false);
    const bool several = selected >= 2;
    for (QRadioButton* option : OptionItems) {
        option->setEnabled(several);
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    TextItems[3]->setEnabled(several);
    ApplyControlColours({TextItems[3]});
    if (OptionItems[0]->isEnabled()) {
        OptionItems[0]->setChecked(true);
        OptionItems_Click(0);
    }
    (any ? static_cast<QWidget*>(TextItems[2]) : static_cast<QWidget*>(CommandCancel))->setFocus();
}

void FormDialog::OptionItems_Click(int index) {
    TextItems[3]->setEnabled(index != 0);
    if (index == 1 || index == 2) TextItems[3]->setFocus();
    ApplyControlColours({TextItems[3]});
    CheckItems[1]->setEnabled(index != 0);
    if (index == 0) CheckItems[1]->setChecked(false);
}

void FormDialog::ApplyPage(int16_t page) {
    const DialogPrompts prompts = DialogPrompts::OwnedBy(owner_);
    if (page == PageAlbum) {
        ApplyAlbumPage(Album, {TextItems[0]->text().toStdString(), CheckItems[0]->checkState() == Qt::Checked}, prompts);
        return;
    }
    GalleryPageValues values;
    values.Title = TextItems[2]->text().toStdString();
    values.Option = Numbering(SelectedOption({OptionItems[0], OptionItems[1], OptionItems[2]}));
    values.StartText = TextItems[3]->text().toStdString();
    values.RenameFiles = CheckItems[1]->isChecked();
    ApplyGalleryPage(Album, values, prompts);
}

void FormDialog::ShowControlHelp(QWidget* control) {
    ClassHelp help;
    help.hOwnerWnd = HandleOf(this);
    help.Path = HelpFile;
    help.PopupHelp(control->property(kHelpTopic).toInt());
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (!control) return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (auto* text = qobject_cast<QLineEdit*>(control)) QTimer::singleShot(0, text, [text] { text->selectAll(); });
        break;
    case QEvent::QueryWhatsThis:
        if (control->property(kHelpTopic).isValid()) return event->accept(), true;
        break;
    case QEvent::WhatsThis:
        if (control->property(kHelpTopic).isValid()) {
            ShowControlHelp(control);
            return true;
        }
        break;
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) break;
        if (control == LabelHelp) {
            QWhatsThis::enterWhatsThisMode();
            return true;
        }
        if (control == ImageItems[0] || control == LabelItems[0] || control == LabelItems[1]) {
            ShowControlHelp(control);
            return true;
        }
        if (control == LabelTitle || control == ImageTitle) {
            window_.Move();
            return true;
        }
        break;
    }
    default: break;
    }
    return false;
}

void FormDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) window_.Move();
    QDialog::mousePressEvent(event);
}

void FormDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    QImage grown(size(), QImage::Format_RGB32);
    surface_ = grown;
}

void FormDialog::paintEvent(QPaintEvent*) {
    surface_.fill(palette().color(QPalette::Window));
    // A raised inner edge along the top, as far as the title icon.
    window_.DrawPanel(4, 4, int16_t(ImageTitle->x() - 8), 3, 4, 15);
    QPainter painter(this);
    painter.drawImage(0, 0, surface_);
    // The window has no caption bar; a raised frame marks its edge.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
}

} // namespace gb
