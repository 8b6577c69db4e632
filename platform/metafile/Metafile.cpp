#include "Metafile.h"

#include "ByteReader.h"
#include "EmfPlayer.h"
#include "WmfPlayer.h"
#include "WmfRecords.h"

#include <QFile>
#include <QPicture>
#include <cmath>

namespace gb {
namespace {

// Files larger than this are not read as pictures.
constexpr qint64 kMaxFileSize = qint64(256) << 20;
// Logical units of Windows metafiles are 16-bit: every drawing of one lies in here.
const QRectF kWmfSpace(-70000, -70000, 140000, 140000);

// HIMETRIC units per logical unit of a map mode (scalable modes count as 96 DPI pixels).
double HimetricPerUnit(int mapMode) {
    switch (mapMode) {
    case GdiMapping::LoMetric: return 10;
    case GdiMapping::HiMetric: return 1;
    case GdiMapping::LoEnglish: return 25.4;
    case GdiMapping::HiEnglish: return 2.54;
    case GdiMapping::Twips: return 2540.0 / 1440;
    default: return 2540.0 / 96;
    }
}

int RoundHalfAway(double v) { return int(v < 0 ? -std::floor(-v + 0.5) : std::floor(v + 0.5)); }

// The bounds of what a Windows metafile draws with logical units as device units.
QRectF MeasureWmf(std::span<const uint8_t> wmf) {
    QPicture picture;
    {
        QPainter painter(&picture);
        WmfPlayer player(wmf, wmf.size());
        player.Play(painter, kWmfSpace, WmfPlayer::View{});
    }
    return QRectF(picture.boundingRect()) & kWmfSpace;
}

} // namespace

std::optional<Metafile> ReadMetafile(std::span<const uint8_t> bytes) {
    Metafile m;
    ByteReader r(bytes);
    uint32_t key = r.U32();
    if (r.Ok() && key == wmf::kPlaceableKey && bytes.size() >= wmf::kPlaceableSize) {
        r.U16(); // handle
        double left = r.S16(), top = r.S16(), right = r.S16(), bottom = r.S16();
        uint16_t inch = r.U16();
        m.records_ = wmf::kPlaceableSize;
        if (!WmfPlayer::ValidHeader(bytes.subspan(m.records_))) return std::nullopt;
        m.type_ = MetafileType::Wmf;
        QRectF box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
        if (inch > 0 && box.width() > 0 && box.height() > 0) {
            m.window_ = box;
            m.himetric_ = QSize(RoundHalfAway(box.width() * 2540 / inch), RoundHalfAway(box.height() * 2540 / inch));
        }
    } else if (WmfPlayer::ValidHeader(bytes)) {
        m.type_ = MetafileType::Wmf;
    } else if (auto header = EmfPlayer::ReadHeader(bytes)) {
        m.type_ = MetafileType::Emf;
        m.frame_ = header->frame;
        m.devicePixels_ = header->devicePixels;
        m.deviceMillimetres_ = header->deviceMillimetres;
        m.himetric_ = QSize(RoundHalfAway(header->frame.width()), RoundHalfAway(header->frame.height()));
    } else {
        return std::nullopt;
    }
    if (m.type_ == MetafileType::Wmf && m.himetric_.isEmpty()) {
        std::span<const uint8_t> wmf = bytes.subspan(m.records_);
        WmfPlayer::Window window = WmfPlayer::ScanWindow(wmf);
        if (window.extent) {
            QSizeF extent = *window.extent;
            m.window_ = QRectF(window.origin.value_or(QPointF()), extent);
            double unit = HimetricPerUnit(window.mapMode);
            m.himetric_ = QSize(RoundHalfAway(std::fabs(extent.width()) * unit), RoundHalfAway(std::fabs(extent.height()) * unit));
        } else {
            QRectF bounds = MeasureWmf(wmf);
            if (bounds.width() < 1 || bounds.height() < 1) return std::nullopt;
            m.window_ = bounds;
            m.measured_ = true;
            double unit = HimetricPerUnit(GdiMapping::Text);
            m.himetric_ = QSize(RoundHalfAway(bounds.width() * unit), RoundHalfAway(bounds.height() * unit));
        }
    }
    if (m.himetric_.width() <= 0 || m.himetric_.height() <= 0) return std::nullopt;
    m.bytes_ = std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.end());
    return m;
}

std::optional<Metafile> ReadMetafileFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize) return std::nullopt;
    QByteArray data = file.readAll();
    return ReadMetafile(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(data.constData()), size_t(data.size())));
}

void Metafile::Play(QPainter& painter, const QRectF& target) const {
    if (!bytes_ || target.isEmpty() || !painter.isActive()) return;
    std::span<const uint8_t> bytes = *bytes_;
    if (type_ == MetafileType::Emf) {
        EmfPlayer::Header header;
        header.frame = frame_;
        header.devicePixels = devicePixels_;
        header.deviceMillimetres = deviceMillimetres_;
        EmfPlayer(bytes, header).Play(painter, target);
        return;
    }
    WmfPlayer::View view;
    if (measured_) {
        // The bounds were measured in device units with the file's own window origin;
        // the viewport is moved so that they land on the target.
        double sx = target.width() / window_.width(), sy = target.height() / window_.height();
        view.windowExt = window_.size();
        view.viewportOrg = QPointF(target.left() - window_.left() * sx, target.top() - window_.top() * sy);
    } else {
        view.windowOrg = window_.topLeft();
        view.windowExt = window_.size();
        view.viewportOrg = target.topLeft();
    }
    view.viewportExt = target.size();
    WmfPlayer(bytes.subspan(records_), bytes.size()).Play(painter, target, view);
}

} // namespace gb
