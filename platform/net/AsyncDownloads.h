#pragma once
// Asynchronous downloads: a request carries an address, a type and a key; its
// completion arrives later on the user-interface thread with the same type and key,
// holding the whole resource as bytes (type 2) or the path of a temporary file with
// the data (type 1), which the receiver may copy and must delete. Pending requests can
// be cancelled by key; a cancelled request reports nothing.
#include <functional>
#include <memory>
#include <string>

namespace gb {

enum AsyncReadType : int { AsyncTypeFile = 1, AsyncTypeByteArray = 2 };

// One finished download.
struct AsyncResult {
    AsyncReadType Type = AsyncTypeByteArray;
    std::string Key;
    std::string Url;
    bool Ok = false;
    std::string Error;       // why it failed ("" when Ok)
    std::string Bytes;       // type 2: the resource
    std::string File;        // type 1: the temporary file ("" when it failed)
    std::string ContentType; // the server's declared content type, "" when none
};

class AsyncDownloads {
public:
    // Pages kept in memory are refused beyond this size (a server that never ends
    // its page cannot exhaust the memory).
    static constexpr long long kMaxBytes = 64ll << 20;

    AsyncDownloads();
    // Abandons every pending request and removes its temporary file.
    ~AsyncDownloads();
    AsyncDownloads(const AsyncDownloads&) = delete;
    AsyncDownloads& operator=(const AsyncDownloads&) = delete;

    // Receives every completion.
    std::function<void(const AsyncResult&)> Completed;

    // Starts a download of an http, https or file address. False, with the reason in
    // `error`, when the request is refused (an address that is not absolute, another
    // scheme, no temporary file for type 1).
    bool Start(const std::string& url, AsyncReadType type, const std::string& key, std::string& error);
    // Cancels every pending request with this key; false when there was none.
    bool Cancel(const std::string& key);
    int Pending() const;

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace gb
