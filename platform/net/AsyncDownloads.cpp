#include "AsyncDownloads.h"

#include "platform/DirectorySearch.h"
#include "platform/Folders.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <algorithm>
#include <list>

namespace gb {
namespace {

// A download that stops delivering data for this long fails rather than hanging.
constexpr int kTransferTimeoutMs = 60000;

struct Request {
    QNetworkReply* reply = nullptr;
    AsyncReadType type = AsyncTypeByteArray;
    std::string key;
    std::string url;
    std::unique_ptr<QFile> file; // type 1
    QByteArray bytes;            // type 2
    std::string failure;         // set while receiving (a write that failed, too much data)
};

} // namespace

class AsyncDownloads::Impl {
public:
    explicit Impl(AsyncDownloads& owner) : owner_(owner) {}
    ~Impl() {
        for (auto& request : requests_) Drop(*request);
    }

    bool Start(const std::string& url, AsyncReadType type, const std::string& key, std::string& error) {
        const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
        const QString scheme = address.scheme().toLower();
        if (!address.isValid() || address.isRelative()) {
            error = "not an absolute address: " + url;
            return false;
        }
        if (scheme != "http" && scheme != "https" && scheme != "file") {
            error = "unsupported scheme: " + scheme.toStdString();
            return false;
        }
        if (type != AsyncTypeFile && type != AsyncTypeByteArray) {
            error = "unknown read type";
            return false;
        }
        auto request = std::make_unique<Request>();
        request->type = type;
        request->key = key;
        request->url = url;
        if (type == AsyncTypeFile) {
            const std::string path = CreateTempFile(TempPath(), "~DL");
            request->file = std::make_unique<QFile>(QString::fromStdString(path));
            if (path.empty() || !request->file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                if (!path.empty()) QFile::remove(QString::fromStdString(path));
                error = "no temporary file for the download";
                return false;
            }
        }
        QNetworkRequest networkRequest(address);
        networkRequest.setTransferTimeout(kTransferTimeoutMs);
        request->reply = manager_.get(networkRequest);
        Request* raw = request.get();
        requests_.push_back(std::move(request));
        QObject::connect(raw->reply, &QNetworkReply::readyRead, raw->reply, [this, raw] { Receive(*raw); });
        QObject::connect(raw->reply, &QNetworkReply::finished, raw->reply, [this, raw] { Finish(raw); });
        return true;
    }

    bool Cancel(const std::string& key) {
        bool any = false;
        for (auto it = requests_.begin(); it != requests_.end();) {
            if ((*it)->key == key) {
                Drop(**it);
                it = requests_.erase(it);
                any = true;
            } else {
                ++it;
            }
        }
        return any;
    }

    int Pending() const { return int(requests_.size()); }

private:
    void Receive(Request& request) {
        const QByteArray data = request.reply->readAll();
        if (!request.failure.empty()) return;
        if (request.file) {
            if (request.file->write(data) != data.size()) request.failure = "the temporary file cannot be written";
        } else if (request.bytes.size() + data.size() > kMaxBytes) {
            request.failure = "the resource is too large";
            request.bytes.clear();
            request.reply->abort();
        } else {
            request.bytes += data;
        }
    }

    void Finish(Request* raw) {
        auto it = std::find_if(requests_.begin(), requests_.end(), [raw](const auto& r) { return r.get() == raw; });
        if (it == requests_.end()) return;
        std::unique_ptr<Request> request = std::move(*it);
        requests_.erase(it);
        Receive(*request);

        AsyncResult result;
        result.Type = request->type;
        result.Key = request->key;
        result.Url = request->url;
        result.ContentType = request->reply->header(QNetworkRequest::ContentTypeHeader).toString().toStdString();
        if (!request->failure.empty()) {
            result.Error = request->failure;
        } else if (request->reply->error() != QNetworkReply::NoError) {
            result.Error = request->reply->errorString().toStdString();
        } else {
            result.Ok = true;
        }
        if (request->file) {
            const QString path = request->file->fileName();
            if (!request->file->flush()) result.Ok = false;
            request->file->close();
            if (result.Ok) result.File = path.toStdString();
            else QFile::remove(path);
            if (!result.Ok && result.Error.empty()) result.Error = "the temporary file cannot be written";
        } else if (result.Ok) {
            result.Bytes = request->bytes.toStdString();
        }
        request->reply->disconnect();
        request->reply->deleteLater();
        if (owner_.Completed) owner_.Completed(result);
    }

    // Abandons a request: no completion, no temporary file left.
    static void Drop(Request& request) {
        request.reply->disconnect();
        request.reply->abort();
        request.reply->deleteLater();
        if (request.file) {
            request.file->close();
            request.file->remove();
        }
    }

    AsyncDownloads& owner_;
    QNetworkAccessManager manager_;
    std::list<std::unique_ptr<Request>> requests_;
};

AsyncDownloads::AsyncDownloads() : impl_(std::make_unique<Impl>(*this)) {}
AsyncDownloads::~AsyncDownloads() = default;

bool AsyncDownloads::Start(const std::string& url, AsyncReadType type, const std::string& key, std::string& error) {
    return impl_->Start(url, type, key, error);
}

bool AsyncDownloads::Cancel(const std::string& key) { return impl_->Cancel(key); }

int AsyncDownloads::Pending() const { return impl_->Pending(); }

} // namespace gb
