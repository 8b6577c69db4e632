#include "PictureLoader.h"

#include "platform/Desktop.h"
#include "platform/metafile/Metafile.h"

#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <cmath>
#include <optional>


namespace gb {
namespace {

// The bitmap formats the loader reads (by the file's content, not its name).
bool IsBitmapFormat(QImageReader& reader) {
    static const QSet<QByteArray> kFormats = {"bmp", "gif", "jpeg", "jpg"};
    return kFormats.contains(reader.format().toLower());
}

// The size that fits `box` with the picture's proportions, at least 1; a picture that
// fits already keeps its size.
QSize FitInto(QSize size, QSize box) {
    if (size.width() <= box.width() && size.height() <= box.height()) return size;
    QSize fitted = size.scaled(box, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

LoadedPicture LoadBitmap(const QString& file, QSize fit) {
    LoadedPicture result;
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    if (!IsBitmapFormat(reader)) return result;

    QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty()) return result;
    if (qint64(stored.width()) * stored.height() > kMaxPicturePixels) return result;
    QImageReader::setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1);

    reader.setAutoTransform(true);
    bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    QSize upright = turned ? stored.transposed() : stored;
    if (fit.isValid() && !fit.isEmpty()) {
        // The reader scales before it turns the picture, so the wanted size is given in
        // the stored orientation; a JPEG then decodes at a reduced scale.
        QSize wanted = FitInto(stored, turned ? fit.transposed() : fit);
        if (wanted != stored) reader.setScaledSize(wanted);
        reader.setQuality(100);
    }
    QImage image = reader.read();
    if (image.isNull()) return result;
    if (image.hasAlphaChannel()) image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.picture = Picture::FromImage(image);
    result.fullWidth = upright.width();
    result.fullHeight = upright.height();
    return result;
}

// Plays a metafile for the picture object.
class MetafilePicture : public MetafilePlayer {
public:
    explicit MetafilePicture(Metafile metafile) : metafile_(std::move(metafile)) {}
    void Play(QPainter& painter, const QRectF& target) const override { metafile_.Play(painter, target); }

private:
    Metafile metafile_;
};

// HIMETRIC to pixels at the screen's resolution, halves rounded up.
int HimetricPixels(int himetric, int twipsPerPixel) {
    double dpi = 1440.0 / (twipsPerPixel > 0 ? twipsPerPixel : 15);
    return int(std::floor(himetric * dpi / 2540.0 + 0.5));
}

// The first bytes tell a metafile (a placeable header's key, a Windows metafile header,
// or an enhanced metafile's first record with " EMF"), so other pictures are not read
// twice.
bool LooksLikeMetafile(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QByteArray head = in.read(44);
    auto u16 = [&](int at) { return uint8_t(head[at]) | uint8_t(head[at + 1]) << 8; };
    if (head.size() >= 4 && head.startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4))) return true;
    if (head.size() >= 4 && (u16(0) == 1 || u16(0) == 2) && u16(2) == 9) return true;
    return head.size() >= 44 && u16(0) == 1 && u16(2) == 0 && head.mid(40, 4) == " EMF";
}

std::optional<LoadedPicture> LoadMetafile(const std::string& path) {
    if (!LooksLikeMetafile(QString::fromStdString(path))) return std::nullopt;
    std::optional<Metafile> metafile = ReadMetafileFile(path);
    if (!metafile) return std::nullopt;
    LoadedPicture result;
    result.fullWidth = HimetricPixels(metafile->HimetricWidth(), TwipsPerPixelX());
    result.fullHeight = HimetricPixels(metafile->HimetricHeight(), TwipsPerPixelY());
    auto type = metafile->Type() == MetafileType::Emf ? PictureType::EnhancedMetafile : PictureType::Metafile;
    result.picture = Picture::FromMetafile(type, metafile->HimetricWidth(), metafile->HimetricHeight(),
                                           std::make_shared<MetafilePicture>(std::move(*metafile)));
    return result;
}

} // namespace

LoadedPicture LoadPictureFromFile(const std::string& path, int thumbnailSide) {
    if (std::optional<LoadedPicture> metafile = LoadMetafile(path)) return *metafile;
    return LoadBitmap(QString::fromStdString(path), thumbnailSide > 0 ? QSize(thumbnailSide, thumbnailSide) : QSize());
}

LoadedPicture LoadPictureToFit(const std::string& path, QSize fit) {
    if (std::optional<LoadedPicture> metafile = LoadMetafile(path)) return *metafile;
    return LoadBitmap(QString::fromStdString(path), fit);
}

QSize PictureFileSize(const std::string& path) {
    if (std::optional<LoadedPicture> metafile = LoadMetafile(path)) return {metafile->fullWidth, metafile->fullHeight};
    QImageReader reader(QString::fromStdString(path));
    reader.setDecideFormatFromContent(true);
    if (!IsBitmapFormat(reader)) return {};
    reader.setAutoTransform(true);
    QSize stored = reader.size();
    if (!stored.isValid()) return {};
    return (reader.transformation() & QImageIOHandler::TransformationRotate90) ? stored.transposed() : stored;
}

Picture LoadResourcePicture(const std::string& resourcePath) {
    QImage image(QString::fromStdString(resourcePath));
    return image.isNull() ? Picture() : Picture::FromImage(image);
}

} // namespace gb
