#include "GdiTextRenderer.h"

#include "platform/Desktop.h"

#include <QFontMetricsF>
#include <QLineF>
#include <algorithm>
#include <cmath>

namespace gb {
namespace {

// Font pixel sizes beyond this are drawn at this size and scaled.
constexpr int kMaxFontPixels = 1024;
// A text's em in logical units when the font leaves the height to the device.
constexpr double kDefaultEm = 16;

double Length(QPointF v) { return std::hypot(v.x(), v.y()); }

double ScaleOf(const QTransform& t) {
    double det = t.m11() * t.m22() - t.m12() * t.m21();
    return std::sqrt(std::fabs(det));
}

} // namespace

GdiTextRenderer::GdiTextRenderer(const GdiState& state, const QTransform& toTarget, const QTransform& base)
    : state_(state), toTarget_(toTarget), base_(base) {}

QString GdiTextRenderer::FamilyFor(const LogFont& font) {
    QString face = font.face;
    // "@" names the vertical variant of a font; the glyphs are the same font's.
    if (face.startsWith(QLatin1Char('@'))) face.remove(0, 1);
    if (face.trimmed().isEmpty() || face.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0) {
        bool roman = (font.pitchAndFamily & 0xF0) == 0x10;
        return roman ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAPGothic");
    }
    return QString::fromStdString(MapFontName(face.toStdString()));
}

GdiTextRenderer::Layout GdiTextRenderer::MakeLayout(const TextRun& run) const {
    Layout layout;
    const LogFont& lf = state_.font;
    QPointF origin = toTarget_.map(run.reference);
    QPointF xAxis = toTarget_.map(run.reference + QPointF(1, 0)) - origin;
    QPointF yAxis = toTarget_.map(run.reference + QPointF(0, 1)) - origin;
    double sx = Length(xAxis), sy = Length(yAxis);
    double deviceScale = ScaleOf(base_);
    if (!std::isfinite(sx) || !std::isfinite(sy) || sx <= 0 || sy <= 0 || !std::isfinite(origin.x()) ||
        !std::isfinite(origin.y()) || deviceScale <= 0)
        return layout;

    QFont font(FamilyFor(lf));
    font.setStyleStrategy(QFont::PreferOutline);
    if ((lf.pitchAndFamily & 0xF0) == 0x10) font.setStyleHint(QFont::Serif);
    else if ((lf.pitchAndFamily & 0x03) == 1 || (lf.pitchAndFamily & 0xF0) == 0x30) font.setStyleHint(QFont::TypeWriter);
    else font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Weight(lf.weight <= 0 ? 400 : std::clamp(lf.weight, 100, 900)));
    font.setItalic(lf.italic);
    font.setUnderline(lf.underline);
    font.setStrikeOut(lf.strikeOut);
    font.setKerning(false);

    // The em in logical units: a negative height is the em itself, a positive one the
    // cell (ascent plus descent).
    double em = kDefaultEm;
    if (lf.height < 0) {
        em = -double(lf.height);
    } else if (lf.height > 0) {
        QFont probe = font;
        probe.setPixelSize(256);
        QFontMetricsF m(probe);
        double cell = m.ascent() + m.descent();
        em = cell > 0 ? lf.height * 256.0 / cell : lf.height;
    }
    double emTarget = em * sy;
    double emDevice = emTarget * deviceScale;
    if (!std::isfinite(emDevice) || emDevice < 0.3) return layout;
    int pixels = std::clamp(int(std::lround(emDevice)), 1, kMaxFontPixels);
    font.setPixelSize(pixels);
    double k = emTarget / pixels; // target units per text-space unit
    if (lf.width != 0) {
        QFontMetricsF m(font);
        double natural = m.averageCharWidth();
        double wanted = std::fabs(double(lf.width)) * sx / k;
        if (natural > 0) font.setStretch(std::clamp(int(std::lround(wanted * 100 / natural)), 1, 4000));
    }
    QFontMetricsF metrics(font);
    layout.ascent = metrics.ascent();
    layout.descent = metrics.descent();

    // Glyphs keep their shape: only the baseline angle and size come from the mapping.
    double det = toTarget_.m11() * toTarget_.m22() - toTarget_.m12() * toTarget_.m21();
    double angle = std::atan2(xAxis.y(), xAxis.x()) * 180 / M_PI;
    if (det < 0 && xAxis.x() < 0) angle += 180;
    angle -= lf.escapement / 10.0;
    layout.frame = QTransform().translate(origin.x(), origin.y()).rotate(angle).scale(k, k);

    // Clusters: a character with its low surrogate; advances summed per cluster.
    const QString& text = run.text;
    double penX = 0, penY = 0;
    double extra = state_.charExtra * sx / k;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        QString cluster = text.mid(i, n);
        layout.clusters.push_back(cluster);
        layout.x.push_back(penX);
        layout.y.push_back(penY);
        if (!run.dx.empty()) {
            double dx = 0, dy = 0;
            for (qsizetype j = i; j < i + n && size_t(j) < run.dx.size(); ++j) dx += run.dx[size_t(j)];
            for (qsizetype j = i; j < i + n && size_t(j) < run.dy.size(); ++j) dy += run.dy[size_t(j)];
            penX += dx * sx / k;
            penY -= dy * sy / k;
        } else {
            penX += metrics.horizontalAdvance(cluster) + extra;
        }
        i += n;
    }
    layout.width = penX;
    switch (state_.textAlign & GdiState::AlignHorizontalMask) {
    case GdiState::AlignRight: layout.start = -penX; break;
    case GdiState::AlignCenter: layout.start = -penX / 2; break;
    default: layout.start = 0; break;
    }
    double baseline = 0;
    switch (state_.textAlign & GdiState::AlignVerticalMask) {
    case GdiState::AlignBaseline: baseline = 0; break;
    case GdiState::AlignBottom: baseline = -layout.descent; break;
    default: baseline = layout.ascent; break;
    }
    for (double& y : layout.y) y += baseline;
    layout.advanceLogical = penX * k / sx;
    layout.font = font;
    layout.visible = !(run.options & TextRun::GlyphIndex);
    return layout;
}

double GdiTextRenderer::Draw(QPainter& painter, const TextRun& run) const {
    Layout layout = MakeLayout(run);
    painter.save();
    painter.setTransform(base_);
    if (run.hasRect && (run.options & TextRun::Opaque)) {
        QPainterPath box;
        box.addRect(run.rect.normalized());
        painter.fillPath(toTarget_.map(box), state_.Colour(state_.backColour));
    }
    if (run.hasRect && (run.options & TextRun::Clipped)) {
        QPainterPath box;
        box.addRect(run.rect.normalized());
        painter.setClipPath(toTarget_.map(box), Qt::IntersectClip);
    }
    if (!layout.clusters.empty() && layout.font.pixelSize() > 0 && (layout.visible || state_.backMode == GdiState::Opaque)) {
        painter.setTransform(layout.frame * base_);
        if (state_.backMode == GdiState::Opaque && !(run.options & TextRun::Opaque)) {
            double top = layout.y.front() - layout.ascent;
            painter.fillRect(QRectF(layout.start, top, layout.width, layout.ascent + layout.descent),
                             state_.Colour(state_.backColour));
        }
        if (layout.visible) {
            painter.setFont(layout.font);
            painter.setPen(state_.Colour(state_.textColour));
            if (run.dx.empty() && state_.charExtra == 0) {
                painter.drawText(QPointF(layout.start, layout.y.front()), run.text);
            } else {
                for (size_t i = 0; i < layout.clusters.size(); ++i)
                    painter.drawText(QPointF(layout.start + layout.x[i], layout.y[i]), layout.clusters[i]);
            }
        }
    }
    painter.restore();
    return layout.advanceLogical;
}

QPainterPath GdiTextRenderer::Outline(const TextRun& run, double* advance) const {
    Layout layout = MakeLayout(run);
    if (advance) *advance = layout.advanceLogical;
    QPainterPath path;
    if (!layout.visible) return path;
    for (size_t i = 0; i < layout.clusters.size(); ++i)
        path.addText(QPointF(layout.start + layout.x[i], layout.y[i]), layout.font, layout.clusters[i]);
    return layout.frame.map(path);
}

} // namespace gb
