// libFuzzer target of the metafile readers and players (built by fuzz.sh with clang).
//
// The first byte chooses how the rest is read: as a whole file (either kind, told apart
// by its header), or as the records of a Windows or an enhanced metafile behind a valid
// header made here, so that the fuzzer spends its time in the record players.
#include "platform/metafile/Metafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <vector>

namespace {

void Put16(std::vector<uint8_t>& v, uint16_t x) { v.push_back(x & 0xFF); v.push_back(x >> 8); }
void Put32(std::vector<uint8_t>& v, uint32_t x) { Put16(v, x & 0xFFFF); Put16(v, x >> 16); }

std::vector<uint8_t> WithWmfHeader(const uint8_t* data, size_t size) {
    std::vector<uint8_t> v;
    Put32(v, 0x9AC6CDD7);
    Put16(v, 0);
    for (int16_t c : {0, 0, 1000, 800}) Put16(v, uint16_t(c));
    Put16(v, 1440);
    Put32(v, 0);
    Put16(v, 0);
    Put16(v, 1); Put16(v, 9); Put16(v, 0x0300); Put32(v, uint32_t((18 + size) / 2)); Put16(v, 32); Put32(v, 0); Put16(v, 0);
    v.insert(v.end(), data, data + size);
    return v;
}

std::vector<uint8_t> WithEmfHeader(const uint8_t* data, size_t size) {
    std::vector<uint8_t> v;
    Put32(v, 1);
    Put32(v, 88);
    for (int32_t c : {0, 0, 999, 799, 0, 0, 25000, 20000}) Put32(v, uint32_t(c));
    Put32(v, 0x464D4520);
    Put32(v, 0x10000);
    Put32(v, uint32_t(88 + size));
    Put32(v, 100);
    Put16(v, 32); Put16(v, 0);
    Put32(v, 0); Put32(v, 0); Put32(v, 0);
    for (int32_t c : {1000, 800, 250, 200}) Put32(v, uint32_t(c));
    v.insert(v.end(), data, data + size);
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_metafile";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    if (size == 0) return 0;
    std::vector<uint8_t> bytes;
    switch (data[0] % 3) {
    case 0: bytes.assign(data + 1, data + size); break;
    case 1: bytes = WithWmfHeader(data + 1, size - 1); break;
    default: bytes = WithEmfHeader(data + 1, size - 1); break;
    }
    std::optional<gb::Metafile> metafile = gb::ReadMetafile(bytes);
    if (!metafile) return 0;
    QImage image(48, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile->Play(painter, QRectF(4, 4, 40, 32));
    return 0;
}
