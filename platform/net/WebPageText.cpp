#include "WebPageText.h"

#include "platform/Cp932.h"

#include <QStringDecoder>
#include <algorithm>
#include <cctype>
#include <optional>

namespace gb {
namespace {

// How far into a page a meta tag declaring the character set is looked for.
constexpr size_t kMetaScanBytes = 4096;

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

bool IsValidUtf8(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return !decoder.hasError();
}

bool IsCp932Name(const std::string& charset) {
    static const char* const names[] = {"shift_jis", "shift-jis", "sjis", "x-sjis", "cp932", "windows-31j",
                                        "ms_kanji", "csshiftjis", "ms932"};
    return std::any_of(std::begin(names), std::end(names), [&](const char* n) { return charset == n; });
}

// The charset of the first meta tag near the start of the page that names one.
std::string MetaCharset(std::string_view bytes) {
    const std::string head = Lower(bytes.substr(0, std::min(bytes.size(), kMetaScanBytes)));
    for (size_t at = head.find("<meta"); at != std::string::npos; at = head.find("<meta", at + 5)) {
        size_t end = head.find('>', at);
        if (end == std::string::npos) break;
        std::string charset = CharsetOf(std::string_view(head).substr(at, end - at));
        if (!charset.empty()) return charset;
    }
    return {};
}

std::optional<std::string> DecodeAs(const std::string& charset, std::string_view bytes) {
    if (charset.empty()) return std::nullopt;
    if (IsCp932Name(charset)) return Utf8(bytes);
    QStringDecoder decoder(charset.c_str());
    if (!decoder.isValid()) return std::nullopt;
    QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return text.toStdString();
}

} // namespace

std::string CharsetOf(std::string_view text) {
    const std::string lower = Lower(text);
    size_t at = lower.find("charset");
    if (at == std::string::npos) return {};
    at += 7;
    while (at < lower.size() && (lower[at] == ' ' || lower[at] == '\t')) ++at;
    if (at >= lower.size() || lower[at] != '=') return {};
    ++at;
    while (at < lower.size() && (lower[at] == ' ' || lower[at] == '\t' || lower[at] == '"' || lower[at] == '\'')) ++at;
    size_t end = at;
    while (end < lower.size() && (std::isalnum(static_cast<unsigned char>(lower[end])) || lower[end] == '-' ||
                                  lower[end] == '_' || lower[end] == '.' || lower[end] == ':'))
        ++end;
    return lower.substr(at, end - at);
}

std::string DecodeWebPage(std::string_view bytes, std::string_view contentType) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        if (auto text = DecodeAs(bytes[0] == '\xFF' ? "utf-16le" : "utf-16be", bytes.substr(2))) return *text;
    }
    for (const std::string& charset : {CharsetOf(contentType), MetaCharset(bytes)}) {
        if (charset == "utf-8" || charset == "utf8") return IsValidUtf8(bytes) ? std::string(bytes) : *DecodeAs("utf-8", bytes);
        if (auto text = DecodeAs(charset, bytes)) return *text;
    }
    return IsValidUtf8(bytes) ? std::string(bytes) : Utf8(bytes);
}

} // namespace gb
