#pragma once
// The download control of the Internet page: it starts asynchronous downloads and
// reports their completion, opens addresses in the web browser, and scans the text of
// a page for the values of one attribute of one kind of tag.
#include "HtmlTags.h"
#include "platform/WindowHandle.h"
#include "platform/net/AsyncDownloads.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace gb {

// What a finished download carries: its type, its key and its value (the bytes for
// type 2, the temporary file for type 1).
using AsyncProperty = AsyncResult;

class ControlInternet : public QWidget {
public:
    // The control keeps this size wherever its container puts it.
    static constexpr int kSize = 24;

    explicit ControlInternet(QWidget* parent = nullptr);

    struct EventHandlers {
        std::function<void(const AsyncProperty& AsyncProp)> AsyncReadComplete;
        std::function<void(const std::string& Link, int16_t Key)> Parse;
    } Events;

    // Starts a download (AsyncType 1 a file, 2 a byte array). A request the platform
    // refuses is logged and gives false with the error 0x80040000 in Err().
    bool AsyncRead(const std::string& Url, int AsyncType, const std::string& Key = {});
    // Cancels the pending downloads of these keys; a key without one is passed over.
    void CancelAsyncReads(const std::vector<std::string>& Keys);
    int PendingReads() const { return downloads_.Pending(); }

    // The hyperlink service of the control's container.
    class Hyperlink {
    public:
        explicit Hyperlink(Hwnd container) : container_(container) {}
        // Opens the address in the web browser; location and frame have no meaning on
        // this desktop. False when the browser cannot be started.
        bool NavigateTo(const std::string& Target, const std::string& Location = {},
                        const std::string& FrameName = {}) const;

    private:
        Hwnd container_;
    };
    Hyperlink HyperLink() const;

    // Scans the page bytes (decoded by their declared character set, `ContentType`
    // being the server's) and raises Parse once for every new value of the attribute
    // ParamTitle in tags named TagTitle, letter case ignored in both names.
    void Parse(int16_t Key, const std::string& Path, std::string_view Stream, const std::string& TagTitle,
               const std::string& ParamTitle, std::string_view ContentType = {});
    // The values the last Parse reported, in order.
    const std::vector<std::string>& DataBase() const { return dataBase_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AsyncDownloads downloads_;
    std::vector<std::string> dataBase_;
    std::unordered_set<std::string> known_;
};

} // namespace gb
