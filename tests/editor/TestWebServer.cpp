#include "TestWebServer.h"

#include <QTcpSocket>

namespace gb::test {

TestWebServer::TestWebServer() {
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

std::string TestWebServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(serverPort()) + path;
}

void TestWebServer::Serve(const std::string& path, const QByteArray& body, const QByteArray& contentType) {
    responses_[path] = {200, contentType, body};
}

void TestWebServer::Fail(const std::string& path, int status) { responses_[path] = {status, "text/plain", "no"}; }

void TestWebServer::Answer(QTcpSocket* socket) {
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n")) return;
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const std::string path = words.size() > 1 ? words[1].toStdString() : "/";
    requested_.push_back(path);
    if (held_.count(path)) return;
    auto it = responses_.find(path);
    const Response response = it != responses_.end() ? it->second : Response{404, "text/plain", "not found"};
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + (response.status == 200 ? " OK" : " Error") +
                       "\r\nContent-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    if (!response.contentType.isEmpty()) reply += "Content-Type: " + response.contentType + "\r\n";
    reply += "Connection: close\r\n\r\n" + response.body;
    socket->write(reply);
    socket->disconnectFromHost();
}

} // namespace gb::test
