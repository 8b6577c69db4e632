// A gallery of the toolkit's controls with Japanese texts, for looking at them as a
// person would (a test tool, not part of the program). Run under a display:
//   toolkit_gallery [picture.png]
// With a file name it saves a picture of its window after a second and ends.
#include "shell/ClassWindow.h"
#include "toolkit/ClassAnimate.h"
#include "toolkit/ClassBehavior.h"
#include "toolkit/ClassCalendar.h"
#include "toolkit/ClassComboBoxEx.h"
#include "toolkit/ClassDragListBox.h"
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassListView.h"
#include "toolkit/ClassProgress.h"
#include "toolkit/ClassReBar.h"
#include "toolkit/ClassSlider.h"
#include "toolkit/ClassStatusBar.h"
#include "toolkit/ClassTabStrip.h"
#include "toolkit/ClassToolBar.h"
#include "toolkit/ClassToolTips.h"
#include "toolkit/ClassTreeView.h"
#include "toolkit/ClassUpDown.h"
#include "platform/Desktop.h"
#include "platform/KeyState.h"
#include "platform/window/DeviceContexts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTimer>

using namespace gb;

namespace {

// A small picture for tool buttons and tabs: a coloured shape on magenta (the mask).
QImage ToolImage(int kind) {
    static const QColor colours[] = {QColor(40, 120, 220), QColor(40, 170, 80), QColor(220, 120, 30),
                                     QColor(200, 50, 60), QColor(130, 80, 190), QColor(30, 150, 160)};
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colours[kind % 6]);
    p.setPen(colours[kind % 6].darker(150));
    if (kind % 3 == 0) p.drawEllipse(2, 2, 12, 12);
    else if (kind % 3 == 1) p.drawRoundedRect(2, 3, 12, 10, 2, 2);
    else p.drawPolygon(QPolygon({QPoint(8, 1), QPoint(15, 14), QPoint(1, 14)}));
    return image;
}

// A thumbnail: a sky, a ground and a sun, in the colours of a season.
QImage Thumbnail(int n) {
    QImage image(64, 64, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor::fromHsv((n * 47) % 360, 120, 250));
    sky.setColorAt(1, QColor::fromHsv((n * 47 + 40) % 360, 60, 255));
    p.fillRect(image.rect(), sky);
    p.setBrush(QColor::fromHsv((n * 83) % 360, 160, 150));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygon({QPoint(0, 64), QPoint(0, 44), QPoint(24, 28), QPoint(44, 40), QPoint(64, 30), QPoint(64, 64)}));
    p.setBrush(QColor(255, 230, 120));
    p.drawEllipse(40, 8, 14, 14);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 63, 63);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallJapaneseLocale();
    InstallFontSubstitutions();
    InstallKeyStateTracker();
    QApplication::setFont(QFont(QString::fromStdString(MapFontName("MS UI Gothic")), 9));

    QWidget window;
    window.setWindowTitle("ツールキット ギャラリー");
    window.resize(960, 640);
    Hwnd w = HandleOf(&window);

    ClassImageList commands;
    commands.UseMask = true;
    commands.MaskColor = 0xFF00FF;
    commands.Create();
    for (int i = 0; i < 12; ++i) commands.Add(ToolImage(i));

    ClassImageList thumbnails;
    thumbnails.SetListImageWidth(64);
    thumbnails.SetListImageHeight(64);
    thumbnails.Create();
    for (int i = 0; i < 9; ++i) thumbnails.Add(Thumbnail(i));

    // Rebar with the tool bar and the busy animation.
    ClassToolBar toolbar;
    toolbar.SetFlat(true);
    toolbar.SetList(true);
    toolbar.SetBorder(false);
    toolbar.SetDropDownArrow(true);
    toolbar.SetMixedCaption(true);
    toolbar.SetAlign(8);
    toolbar.Create(w, 0);
    toolbar.DockingImageList(&commands);
    toolbar.AddButton(11, 0x8, 0, "新しいサムネイル", 0);
    toolbar.AddButton(12, 0, 0, "最新の情報に更新", 1);
    toolbar.AddButton(20, 1, 0, "", -1);
    toolbar.AddButton(21, 0x40, 0, "印刷", 2);
    toolbar.AddButton(30, 1, 0, "", -1);
    toolbar.AddButton(31, 0x46, 1, "表示モード", 3);
    toolbar.AddButton(32, 0x46, 0, "編集モード", 4);
    toolbar.AddButton(41, 2, 1, "", 5);
    toolbar.Size(520, 26);
    ClassToolTips tips;
    tips.Create(w, 0);
    tips.Add("新しいサムネイル", 11);
    tips.Add("最新の情報に更新", 12);
    tips.Add("印刷", 21);
    toolbar.DockingToolTips(&tips);

    ClassAnimate busy;
    busy.Center = true;
    busy.Create(w, 0);
    busy.Size(26, 26);
    busy.LoadFromResource(0, 1);
    busy.Play(true);

    ClassReBar rebar;
    rebar.FixedOrder = true;
    rebar.Create(w, 0);
    rebar.AddBand(0, &toolbar, 0, "");
    rebar.AddBand(0, &busy, 0, "");
    int top = rebar.Height() + 4;

    // Tab strip with the calendar on its first page.
    ClassTabStrip tabs;
    tabs.Create(w, 0);
    tabs.DockingImageList(&commands);
    tabs.AddTab("アルバム", 8);
    tabs.AddTab("スライドショー", 9);
    tabs.AddTab("インターネットから検索", 10);
    tabs.Move(6, top, 300, 300);
    ClassCalendar calendar;
    calendar.MultiSelect = true;
    calendar.Create(tabs.hTabStrip, 0);
    calendar.SetSelLimit(10);
    double may3 = DayCountOfDate(QDate(2024, 5, 3));
    calendar.SetCurrent(may3);
    calendar.SelRange(may3, may3 + 2);
    calendar.Move(tabs.ScaleLeft() + 4, tabs.ScaleTop() + 4, tabs.ScaleWidth() - 8, tabs.ScaleHeight() - 8);

    // The thumbnail list.
    ClassListView list;
    list.DragDropMode = true;
    list.MultiSelect = true;
    list.LabelEdit = true;
    list.HideSelection = true; // shown selected in the picture, focus or not
    list.HasColumnHeader = false;
    list.Create(w, 0);
    list.DockingImageList(0, &thumbnails);
    const char* titles[] = {"さくら", "もみじ", "富士山", "夕焼け", "海辺の散歩", "雪の朝", "花火", "紫陽花", "港町"};
    for (int i = 0; i < 9; ++i) list.AddListItem(titles[i], i, -1, i);
    list.Move(312, top, 640, 300);
    list.SetSelIndex(2);
    list.SetListItemState(4, 4, true); // cut
    list.SetListItemState(6, 8, true); // drop target

    // Library tree, report list, options.
    int second = top + 306;
    ClassTreeView tree;
    tree.HideSelection = true; // the selection stays drawn without the focus
    tree.Create(w, 0);
    tree.DockingImageList(0, &commands);
    tree.AddNode(ClassTreeView::RootFamily, "お気に入り", 6);
    tree.AddNode(0, "家族旅行 2024", 7);
    tree.AddNode(-1, "子どもの運動会", 7);
    tree.AddNode(ClassTreeView::RootFamily, "ライブラリ", 6);
    tree.AddNode(3, "風景写真", 7);
    tree.Expand(0);
    tree.Expand(3);
    tree.SetNodeState(0, 0x10, true);
    tree.SetSelIndex(1);
    tree.Move(6, second, 220, 200);

    ClassListView report;
    report.SetStyle(1);
    report.Create(w, 0);
    report.AddColumnHeader(0, 100, "タイトル");
    report.AddColumnHeader(0, 200, "場所");
    report.AddListItem("家族旅行");
    report.SetListItems(0, 1, "/home/hanako/写真/旅行");
    report.AddListItem("運動会");
    report.SetListItems(1, 1, "/home/hanako/写真/学校");
    report.SetSelIndex(0);
    report.Move(232, second, 310, 120);

    auto* dragList = new QListWidget(&window);
    dragList->addItems({"PNG 画像 (*.PNG)", "Susie プラグイン", "TIFF 画像 (*.TIF)"});
    for (int i = 0; i < dragList->count(); ++i) dragList->item(i)->setCheckState(i == 1 ? Qt::Unchecked : Qt::Checked);
    dragList->setGeometry(232, second + 126, 310, 74);
    ClassDragListBox drag;
    drag.Attach(dragList);

    auto* low = new QLabel("低い", &window);
    low->setGeometry(552, second, 30, 24);
    ClassSlider slider;
    slider.SelMode = true;
    slider.ToolTips = true;
    slider.Create(w, 0);
    slider.SetMin(1);
    slider.SetMax(20);
    slider.Interval(2);
    slider.SelRange(4, 12);
    slider.SetCurrent(8);
    slider.Move(584, second - 4, 300, 34);
    auto* high = new QLabel("高い", &window);
    high->setGeometry(888, second, 40, 24);

    ClassComboBoxEx effects;
    effects.Style = 2;
    effects.FloatingListBoxLength = 200;
    effects.Create(w, 0);
    effects.DockingImageList(&commands);
    const char* names[] = {"(なし)", "ワイプ", "スライド", "モザイク", "モノトーン ライブ", "セピア調 ライブ", "ランダム"};
    for (int i = 0; i < 7; ++i) effects.AddItem(names[i], i);
    effects.SetListIndex(5);
    effects.Move(552, second + 40, 200, 26);

    auto* interval = new QLineEdit("5", &window);
    interval->setGeometry(770, second + 40, 36, 26);
    auto* seconds = new QLabel("秒", &window);
    seconds->setGeometry(832, second + 40, 30, 26);
    struct Buddy : InterfaceDock {
        std::intptr_t h;
        std::intptr_t Handle() override { return h; }
        int32_t Superclass() override { return 0; }
        void Receive(InterfaceDock*) override {}
    } buddy;
    buddy.h = HandleOf(interval);
    ClassUpDown spin;
    spin.Mode = 1;
    spin.DockingBuddy(&buddy);
    spin.Create(w, 0);
    spin.SetMin(1);
    spin.SetMax(50);
    spin.SetCurrent(5);

    ClassProgress progress;
    progress.Create(w, 0);
    progress.Move(552, second + 80, 300, 18);
    progress.SetPercent(60);

    // A caption strip drawn by the window effects, as the main window draws its own.
    QImage strip(200, 60, QImage::Format_RGB32);
    strip.fill(Qt::white);
    std::intptr_t dc = CreateImageContext(&strip, QFont(QString::fromStdString(MapFontName("Tahoma")), 9));
    ClassWindow effectsHelper;
    effectsHelper.hWnd = w;
    effectsHelper.hDC = dc;
    effectsHelper.DrawTitle(0, 0, 200, 22, 41);
    effectsHelper.DrawTitle(0, 24, 200, 22, 40);
    effectsHelper.DrawPanel(4, 50, 190, 3, 4, 15);
    auto* title = new QLabel(&window);
    title->setPixmap(QPixmap::fromImage(strip));
    title->setGeometry(552, second + 106, 200, 60);

    ClassStatusBar status;
    status.SizeGrip = true;
    status.Create(w, 0);
    status.SetPanelHeight(20);
    status.AddPanels({std::nullopt, 120, 160});
    status.Calculate();
    status.SetPanels(0, "準備ができました");
    status.SetPanelIcon(0, ToolImage(1));
    status.SetPanels(1, "9 枚のギャラリー");
    status.SetPanels(2, "2024/05/03 - 05/05");

    ClassBehavior behavior;
    behavior.Attach(&window);
    behavior.TabOrder(&list, -1, u'L');
    behavior.SetAccelerator(true);

    window.show();
    list.Arrange();
    list.SetFocus();
    if (argc > 1) {
        QString path = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(1000, &app, [&window, path] {
            window.grab().save(path);
            QApplication::quit();
        });
    }
    int result = app.exec();
    DeleteImageContext(dc);
    return result;
}
