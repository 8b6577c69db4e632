#include "PictureLoader.h"

#include <QByteArray>
#include <QImageReader>
#include <QSet>


namespace gb {
namespace {

// The size that fits a square of `side` with the picture's proportions, at least 1.
QSize FitInto(QSize size, int side) {
    if (size.width() <= side && size.height() <= side) return size;
    QSize fitted = size.scaled(side, side, Qt::KeepAspectRatio);
    return fitted.expandedTo(QSize(1, 1));
}

LoadedPicture LoadBitmap(const QString& file, int thumbnailSide) {
    LoadedPicture result;
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    QByteArray format = reader.format().toLower();
    static const QSet<QByteArray> kFormats = {"bmp", "gif", "jpeg", "jpg"};
    if (!kFormats.contains(format)) return result;

    QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty()) return result;
    if (qint64(stored.width()) * stored.height() > kMaxPicturePixels) return result;
    QImageReader::setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1);

    reader.setAutoTransform(true);
    bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    QSize upright = turned ? stored.transposed() : stored;
    if (thumbnailSide > 0) {
        // The reader scales before it turns the picture, so the wanted size is given in
        // the stored orientation; a JPEG then decodes at a reduced scale.
        QSize wanted = FitInto(stored, thumbnailSide);
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

} // namespace

LoadedPicture LoadPictureFromFile(const std::string& path, int thumbnailSide) {
    return LoadBitmap(QString::fromStdString(path), thumbnailSide);
}

Picture LoadResourcePicture(const std::string& resourcePath) {
    QImage image(QString::fromStdString(resourcePath));
    return image.isNull() ? Picture() : Picture::FromImage(image);
}

} // namespace gb
