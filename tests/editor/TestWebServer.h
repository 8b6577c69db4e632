#pragma once
// A small web server on 127.0.0.1 for tests: it answers each path it was given with
// its fixed response, 404 for any other, and never answers a path it is told to hold.
#include <QByteArray>
#include <QTcpServer>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace gb::test {

class TestWebServer : public QTcpServer {
public:
    struct Response {
        int status = 200;
        QByteArray contentType;
        QByteArray body;
    };

    TestWebServer();
    // "http://127.0.0.1:<port>" followed by `path`.
    std::string Url(const std::string& path) const;
    void Serve(const std::string& path, const QByteArray& body, const QByteArray& contentType = "text/html");
    void Fail(const std::string& path, int status);
    // Requests of this path get no answer (until the test ends).
    void Hold(const std::string& path) { held_.insert(path); }
    // The paths requested so far, in order.
    const std::vector<std::string>& Requested() const { return requested_; }

private:
    void Answer(class QTcpSocket* socket);

    std::map<std::string, Response> responses_;
    std::set<std::string> held_;
    std::vector<std::string> requested_;
};

} // namespace gb::test
