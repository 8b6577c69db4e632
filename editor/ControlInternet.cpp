#include "ControlInternet.h"

#include "app/GeneralMain.h"
#include "platform/ErrorRecord.h"
#include "platform/desktop/ShellExecute.h"
#include "platform/net/WebPageText.h"

#include <QPainter>

namespace gb {

ControlInternet::ControlInternet(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize, kSize);
    downloads_.Completed = [this](const AsyncResult& result) {
        update();
        if (Events.AsyncReadComplete) Events.AsyncReadComplete(result);
    };
}

bool ControlInternet::AsyncRead(const std::string& Url, int AsyncType, const std::string& Key) {
    std::string reason;
    if (!downloads_.Start(Url, AsyncReadType(AsyncType), Key, reason)) {
        Err().Raise(kObjectError, reason + " (" + Url + ")", "ControlInternet");
        std::string text;
        LogError(text);
        return false;
    }
    update();
    return true;
}

void ControlInternet::CancelAsyncReads(const std::vector<std::string>& Keys) {
    for (const std::string& key : Keys) downloads_.Cancel(key);
    update();
}

ControlInternet::Hyperlink ControlInternet::HyperLink() const { return Hyperlink(HandleOf(window())); }

bool ControlInternet::Hyperlink::NavigateTo(const std::string& Target, const std::string&, const std::string&) const {
    return ShellExecute(container_, "open", Target, "", "", 1);
}

void ControlInternet::Parse(int16_t Key, const std::string&, std::string_view Stream, const std::string& TagTitle,
                            const std::string& ParamTitle, std::string_view ContentType) {
    dataBase_.clear();
    known_.clear();
    const std::string text = DecodeWebPage(Stream, ContentType);
    for (const TagInfo& tag : ScanTags(text)) {
        if (!SameName(tag.Name, TagTitle)) continue;
        for (const TagAttribute& attribute : tag.Attributes) {
            if (!SameName(attribute.Name, ParamTitle)) continue;
            if (!known_.insert(attribute.Value).second) continue;
            dataBase_.push_back(attribute.Value);
            if (Events.Parse) Events.Parse(attribute.Value, Key);
        }
    }
}

// A small globe, blue while downloads are pending.
void ControlInternet::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = downloads_.Pending() > 0 ? QColor(30, 110, 210) : palette().color(QPalette::Mid);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    const QRectF globe(3, 3, kSize - 6, kSize - 6);
    p.drawEllipse(globe);
    p.drawEllipse(globe.adjusted(globe.width() / 3.5, 0, -globe.width() / 3.5, 0));
    p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    p.drawLine(QPointF(globe.center().x(), globe.top()), QPointF(globe.center().x(), globe.bottom()));
}

} // namespace gb
