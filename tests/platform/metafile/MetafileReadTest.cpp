// Recognising metafiles and the sizes the picture loader reports for them.
#include "MetafileWriter.h"
#include "platform/metafile/AnsiText.h"
#include "platform/metafile/Metafile.h"
#include "platform/Cp932.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::EmfWriter;
using test::WmfWriter;

struct SizeCase {
    const char* name;
    std::vector<uint8_t> bytes;
    MetafileType type;
    QSize himetric;
};

TEST(MetafileRead, ReportsTypeAndHimetricSize) {
    const SizeCase cases[] = {
        // Placeable: bounding box times 2540 per inch of the header.
        {"placeable twips", WmfWriter().Rectangle(0, 0, 10, 10).Bytes(true, QRect(0, 0, 1440, 720), 1440),
         MetafileType::Wmf, QSize(2540, 1270)},
        {"placeable rounds half up", WmfWriter().Rectangle(0, 0, 10, 10).Bytes(true, QRect(-20, 5, 333, 1), 1000),
         MetafileType::Wmf, QSize(846, 3)},
        {"placeable 96 per inch", WmfWriter().Bytes(true, QRect(0, 0, 96, 48), 96), MetafileType::Wmf, QSize(2540, 1270)},
        // Without placeable header: the window extent, in pixels at 96 DPI for the
        // scalable map modes, in the mode's unit for the metric ones.
        {"plain anisotropic", WmfWriter().SetMapMode(8).SetWindowExt(96, 192).Rectangle(0, 0, 5, 5).Bytes(),
         MetafileType::Wmf, QSize(2540, 5080)},
        {"plain low metric", WmfWriter().SetMapMode(2).SetWindowExt(500, -300).Bytes(), MetafileType::Wmf, QSize(5000, 3000)},
        {"plain measured", WmfWriter().SelectObject(0).CreatePen(5, 0, Qt::black).SelectObject(0)
                               .Rectangle(10, 20, 106, 68).Bytes(),
         MetafileType::Wmf, QSize(2540, 1270)},
        {"placeable with empty box is measured", WmfWriter().SetWindowExt(192, 96).Bytes(true, QRect(0, 0, 0, 0), 1440),
         MetafileType::Wmf, QSize(5080, 2540)},
        // Enhanced: the frame, already in 0.01 mm.
        {"enhanced frame", EmfWriter(QRect(0, 0, 2000, 1000)).Rectangle(0, 0, 10, 10).Bytes(), MetafileType::Emf,
         QSize(2000, 1000)},
        {"enhanced offset frame", EmfWriter(QRect(-500, 300, 1234, 567)).Bytes(), MetafileType::Emf, QSize(1234, 567)},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<Metafile> m = ReadMetafile(c.bytes);
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->Type(), c.type);
        EXPECT_EQ(m->PictureType(), c.type == MetafileType::Wmf ? 2 : 4);
        EXPECT_EQ(m->HimetricSize(), c.himetric);
    }
}

TEST(MetafileRead, RejectsWhatIsNoMetafile) {
    std::vector<uint8_t> wmf = WmfWriter().Rectangle(0, 0, 10, 10).Bytes(true, QRect(0, 0, 100, 100), 1440);
    std::vector<uint8_t> emf = EmfWriter(QRect(0, 0, 100, 100)).Bytes();
    std::vector<uint8_t> badSignature = emf;
    badSignature[40] = 'X';
    std::vector<uint8_t> badInner = wmf;
    badInner[22 + 2] = 7; // header size of the standard header
    // No frame, and bounds of (0, 0, -1, -1): nothing drawn.
    std::vector<uint8_t> emptyFrame = EmfWriter(QRect(0, 0, 0, 0), {0, 0}, {0, 0}).Bytes();
    const std::pair<const char*, std::vector<uint8_t>> cases[] = {
        {"empty", {}},
        {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', ' ', 'o', 'f', ' ', 'b', 'y', 't', 'e', 's'}},
        {"placeable header cut", std::vector<uint8_t>(wmf.begin(), wmf.begin() + 30)},
        {"placeable key over a broken header", badInner},
        {"enhanced without signature", badSignature},
        {"enhanced header cut", std::vector<uint8_t>(emf.begin(), emf.begin() + 60)},
        {"plain metafile that draws nothing", WmfWriter().SetBkMode(1).Bytes()},
        {"enhanced metafile without frame or bounds", emptyFrame},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(ReadMetafile(bytes).has_value());
    }
}

TEST(MetafileRead, ReadsFilesAndRefusesMissingOnes) {
    QTemporaryDir dir;
    std::vector<uint8_t> emf = EmfWriter(QRect(0, 0, 300, 200)).Bytes();
    QString path = dir.filePath("図形.EMF");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(emf.data()), qint64(emf.size()));
    file.close();
    std::optional<Metafile> m = ReadMetafileFile(path.toStdString());
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->HimetricSize(), QSize(300, 200));
    EXPECT_FALSE(ReadMetafileFile(dir.filePath("missing.wmf").toStdString()).has_value());
}

TEST(MetafileRead, ReadsEightBitTextByTheFontsCharacterSet) {
    struct Case {
        const char* name;
        std::string bytes;
        uint8_t charSet;
        QString text;
        std::vector<int> sourceBytes;
    };
    const Case cases[] = {
        {"Japanese", Cp932("日本ｶﾅa"), 128, QStringLiteral("日本ｶﾅa"), {2, 2, 1, 1, 1}},
        {"default is the desktop's code page", Cp932("表"), 1, QStringLiteral("表"), {2}},
        {"Western", "\x80\xe9", 0, QString::fromUtf8("€é"), {1, 1}},
        {"symbol bytes stay bytes", "\xb7", 2, QString(QChar(0xb7)), {1}},
        {"lead byte at the end", "a\x82", 128, QString::fromUtf8("a\xEF\xBF\xBD"), {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnsiText text = DecodeAnsiText(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size()), c.charSet);
        EXPECT_EQ(text.text, c.text);
        EXPECT_EQ(text.sourceBytes, c.sourceBytes);
    }
}

} // namespace
} // namespace gb
