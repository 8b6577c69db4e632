#include "WinHelp.h"

#include "HelpFinder.h"
#include "HelpViewer.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>

namespace gb {
namespace {

const char* kHowTo =
    "<p>ヘルプ ビューアには、ヘルプ ファイルのトピックが 1 つずつ表示されます。</p>"
    "<ul>"
    "<li><b>目次</b>: ヘルプ ファイルの目次を表示します。</li>"
    "<li><b>キーワード</b>: [ヘルプ トピック] ダイアログを開きます。[目次] タブではトピックを一覧から選び、"
    "[キーワード] タブでは探したい語句の最初の数文字を入力して語句を選び、[表示] をクリックします。</li>"
    "<li><b>戻る</b>: 直前に表示していたトピックに戻ります。</li>"
    "<li>下線の付いた語句をクリックすると、関連するトピックに移動します。</li>"
    "</ul>"
    "<p>ウィンドウのボタンや項目のポップアップ ヘルプは、ウィンドウの外をクリックするか Esc キーを押すと閉じます。</p>";

// The windows of the help service, made on first use and kept for the session.
struct HelpSession {
    std::string path;
    std::optional<HelpFile> file;
    QPointer<HelpViewer> viewer;
    QPointer<HelpFinder> finder;
    QPointer<QTextBrowser> popup;

    // Reads `path` unless it is the file already read; false (after telling the user)
    // when it cannot be read.
    bool Open(Hwnd owner, const std::string& wanted) {
        if (file && path == wanted) return true;
        auto loaded = HelpFile::Load(wanted);
        if (!loaded) {
            ShowMessageBox(owner, "ヘルプ ファイル '" + wanted + "' を開けません。ファイルがあるかどうかを確かめてください。",
                           "ヘルプ", MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        path = wanted;
        file = std::move(loaded);
        if (viewer) viewer->SetFile(*file);
        if (finder) finder->SetFile(*file);
        return true;
    }

    HelpViewer& Viewer() {
        if (!viewer) {
            viewer = new HelpViewer;
            viewer->SetFile(*file);
            viewer->OpenFinder = [this] { Finder().ShowIndex(""); Raise(*finder); };
            viewer->OpenHowTo = [this] { viewer->ShowPage("ヘルプの使い方", kHowTo); };
        }
        return *viewer;
    }

    HelpFinder& Finder() {
        if (!finder) {
            finder = new HelpFinder;
            finder->SetFile(*file);
            finder->TopicChosen = [this](const HelpTopic& topic) {
                ShowTopic(topic);
                finder->close();
            };
        }
        return *finder;
    }

    static void Raise(QWidget& window) {
        window.show();
        window.raise();
        window.activateWindow();
    }

    void ShowTopic(const HelpTopic& topic) {
        Viewer().ShowTopic(topic);
        Raise(*viewer);
    }

    void ShowPopup(const HelpTopic& topic) {
        if (!popup) {
            popup = new QTextBrowser;
            popup->setWindowFlags(Qt::Popup);
            popup->setAttribute(Qt::WA_DeleteOnClose);
            popup->setAttribute(Qt::WA_QuitOnClose, false);
            popup->setFrameShape(QFrame::Box);
        }
        popup->setHtml(QString::fromStdString(topic.html));
        popup->resize(340, 160);
        QPoint at = QCursor::pos();
        if (QScreen* screen = QGuiApplication::screenAt(at)) {
            QRect area = screen->availableGeometry();
            at.setX(std::min(at.x(), area.right() - popup->width()));
            at.setY(std::min(at.y(), area.bottom() - popup->height()));
        }
        popup->move(at);
        popup->show();
    }

    void Quit() {
        for (QWidget* window : {static_cast<QWidget*>(viewer), static_cast<QWidget*>(finder), static_cast<QWidget*>(popup)})
            if (window) window->deleteLater();
        viewer = nullptr;
        finder = nullptr;
        popup = nullptr;
        file.reset();
        path.clear();
    }
};

HelpSession& Session() {
    static HelpSession session;
    return session;
}

} // namespace

bool WinHelp(Hwnd owner, const std::string& file, uint32_t command, uint32_t data) {
    HelpSession& session = Session();
    if (command == HELP_QUIT) {
        session.Quit();
        return true;
    }
    if (!session.Open(owner, file)) return false;
    switch (command) {
    case HELP_CONTEXT:
    case HELP_CONTEXTPOPUP:
        if (const HelpTopic* topic = session.file->ByContext(static_cast<int>(data))) {
            if (command == HELP_CONTEXT) session.ShowTopic(*topic);
            else session.ShowPopup(*topic);
        } else {
            session.ShowTopic(*session.file->Contents());
            session.viewer->ShowPage("トピックが見つかりません",
                                     "<p>このヘルプ ファイルには、番号 " + std::to_string(data) +
                                         " のトピックがありません。[目次] から探してください。</p>");
        }
        return true;
    case HELP_CONTENTS:
        session.ShowTopic(*session.file->Contents());
        return true;
    case HELP_HELPONHELP:
        session.Viewer().ShowPage("ヘルプの使い方", kHowTo);
        HelpSession::Raise(*session.viewer);
        return true;
    case HELP_FINDER:
        session.Finder().ShowContents();
        HelpSession::Raise(*session.finder);
        return true;
    default:
        return false;
    }
}

bool WinHelpKey(Hwnd owner, const std::string& file, const std::string& keyword) {
    HelpSession& session = Session();
    if (!session.Open(owner, file)) return false;
    auto topics = session.file->ByKeyword(keyword);
    if (topics.size() == 1) {
        session.ShowTopic(*topics.front());
        return true;
    }
    session.Finder().ShowIndex(keyword);
    HelpSession::Raise(*session.finder);
    return true;
}

HelpViewerState CurrentHelpState() {
    HelpSession& session = Session();
    HelpViewerState state;
    if (session.viewer) {
        state.viewerVisible = session.viewer->isVisible();
        state.topicId = session.viewer->CurrentTopicId();
        state.text = session.viewer->CurrentText();
    }
    if (session.popup) {
        state.popupVisible = session.popup->isVisible();
        state.popupText = session.popup->toPlainText().toStdString();
    }
    if (session.finder) {
        state.finderVisible = session.finder->isVisible();
        state.finderOnIndex = session.finder->IndexShown();
        state.finderKeyword = session.finder->SelectedKeyword();
    }
    return state;
}

} // namespace gb
