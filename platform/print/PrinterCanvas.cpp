#include "PrinterCanvas.h"

#include "PrintDocument.h"
#include "platform/Desktop.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace gb {
namespace {

// Pictures go to the document at no more than this many dots per inch: enough for
// photographs on paper, and it keeps a sheet of many full-size camera pictures small.
constexpr double kMaxPictureDpi = 300.0;

double UnitsPerInch(int16_t scale) {
    switch (scale) {
    case ScalePoints: return 72.0;
    case ScaleInches: return 1.0;
    case ScaleMillimeters: return 25.4;
    case ScaleCentimeters: return 2.54;
    default: return 1440.0;
    }
}

Qt::PenStyle PenStyleOf(int16_t style) {
    switch (style) {
    case LineDash: return Qt::DashLine;
    case LineDot: return Qt::DotLine;
    case LineDashDot: return Qt::DashDotLine;
    case LineDashDotDot: return Qt::DashDotDotLine;
    case LineInvisible: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

int LineCount(const std::string& text) { return 1 + int(std::count(text.begin(), text.end(), '\n')); }

} // namespace

PrinterCanvas::PrinterCanvas() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    device_ = DefaultPrinter();
    if (!SetUpPrinter(*printer_, device_)) {
        device_ = {kPdfPrinterName, "PDF", DefaultPdfFile()};
        SetUpPrinter(*printer_, device_);
    }
    font_.Name = "ＭＳ Ｐゴシック";
    font_.Size = 10;
}

PrinterCanvas::~PrinterCanvas() { KillDoc(); }

void PrinterCanvas::SetPort(const std::string& port) {
    if (!IsPdfPrinter(device_.DeviceName)) {
        device_.Port = port;
        return;
    }
    device_.Port = port.empty() ? DefaultPdfFile() : port;
    printer_->setOutputFileName(QString::fromStdString(device_.Port));
}

bool PrinterCanvas::SelectPrinter(const std::string& deviceName) {
    const QString wanted = QString::fromStdString(deviceName);
    for (const PrinterDevice& device : InstalledPrinters()) {
        if (QString::fromStdString(device.DeviceName).compare(wanted, Qt::CaseInsensitive) != 0) continue;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!SetUpPrinter(*printer, device)) return false;
        printer_ = std::move(printer);
        device_ = device;
        return true;
    }
    return false;
}

namespace {

void ApplyOne(QPrinter& printer, uint32_t field, int16_t DeviceMode::*member, int16_t value) {
    DeviceMode mode;
    mode.Fields = field;
    mode.*member = value;
    ApplyDeviceMode(mode, printer);
}

} // namespace

int16_t PrinterCanvas::Orientation() const { return DeviceModeOf(*printer_).Orientation; }
void PrinterCanvas::SetOrientation(int16_t value) { ApplyOne(*printer_, DM_ORIENTATION, &DeviceMode::Orientation, value); }
int16_t PrinterCanvas::PaperSize() const { return DeviceModeOf(*printer_).PaperSize; }
void PrinterCanvas::SetPaperSize(int16_t value) { ApplyOne(*printer_, DM_PAPERSIZE, &DeviceMode::PaperSize, value); }
int16_t PrinterCanvas::Copies() const { return DeviceModeOf(*printer_).Copies; }
void PrinterCanvas::SetCopies(int16_t value) { ApplyOne(*printer_, DM_COPIES, &DeviceMode::Copies, value); }
int16_t PrinterCanvas::PaperBin() const { return DeviceModeOf(*printer_).DefaultSource; }
void PrinterCanvas::SetPaperBin(int16_t value) { ApplyOne(*printer_, DM_DEFAULTSOURCE, &DeviceMode::DefaultSource, value); }
int16_t PrinterCanvas::PrintQuality() const { return DeviceModeOf(*printer_).PrintQuality; }
void PrinterCanvas::SetPrintQuality(int16_t value) { ApplyOne(*printer_, DM_PRINTQUALITY, &DeviceMode::PrintQuality, value); }
int16_t PrinterCanvas::ColorMode() const { return DeviceModeOf(*printer_).Color; }
void PrinterCanvas::SetColorMode(int16_t value) { ApplyOne(*printer_, DM_COLOR, &DeviceMode::Color, value); }
int16_t PrinterCanvas::Duplex() const { return DeviceModeOf(*printer_).Duplex; }
void PrinterCanvas::SetDuplex(int16_t value) { ApplyOne(*printer_, DM_DUPLEX, &DeviceMode::Duplex, value); }
bool PrinterCanvas::Collate() const { return printer_->collateCopies(); }
void PrinterCanvas::SetCollate(bool value) { printer_->setCollateCopies(value); }

DeviceMode PrinterCanvas::Settings() const {
    DeviceMode mode = DeviceModeOf(*printer_);
    mode.DeviceName = device_.DeviceName;
    mode.Fields |= DM_SCALE;
    mode.Scale = zoom_ ? zoom_ : 100;
    return mode;
}

void PrinterCanvas::SetScaleMode(int16_t mode) {
    switch (mode) {
    case ScaleTwips: case ScalePoints: case ScalePixels: case ScaleInches: case ScaleMillimeters: case ScaleCentimeters:
        scaleMode_ = mode;
        break;
    default: break;
    }
}

int PrinterCanvas::Resolution() const { return printer_->resolution(); }

double PrinterCanvas::UnitsPerScale() const {
    const double zoom = zoom_ ? zoom_ / 100.0 : 1.0;
    if (scaleMode_ == ScalePixels) return zoom;
    return Resolution() / UnitsPerInch(scaleMode_) * zoom;
}

double PrinterCanvas::ScaleWidth() const {
    return printer_->pageLayout().paintRectPixels(Resolution()).width() / UnitsPerScale();
}

double PrinterCanvas::ScaleHeight() const {
    return printer_->pageLayout().paintRectPixels(Resolution()).height() / UnitsPerScale();
}

int PrinterCanvas::FontCount() const { return int(QFontDatabase::families().size()); }

std::string PrinterCanvas::Fonts(int index) const {
    const QStringList families = QFontDatabase::families();
    if (index < 0 || index >= families.size()) return {};
    return families[index].toStdString();
}

QFont PrinterCanvas::DeviceFont() const {
    QFont font(QString::fromStdString(MapFontName(font_.Name)));
    const double zoom = zoom_ ? zoom_ / 100.0 : 1.0;
    // Sized in device units, so that measuring and drawing agree on every device;
    // unhinted, as the document keeps the font's own outlines.
    font.setPixelSize(std::max(1, int(std::lround(font_.Size * Resolution() / 72.0 * zoom))));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(font_.Bold);
    font.setItalic(font_.Italic);
    font.setUnderline(font_.Underline);
    font.setStrikeOut(font_.Strikethru);
    return font;
}

QColor PrinterCanvas::Ink(ColorRef colour) const {
    QColor ink = ToQColor(colour);
    if (printer_->colorMode() == QPrinter::GrayScale) {
        const int grey = qGray(ink.rgb());
        ink = QColor(grey, grey, grey);
    }
    return ink;
}

QPainter* PrinterCanvas::Begin() {
    if (document_) return &document_->Painter();
    if (refused_) return nullptr;
    PrintTarget target;
    const bool pdf = IsPdfPrinter(device_.DeviceName);
    target.Queue = pdf ? std::string() : device_.DeviceName;
    target.File = pdf ? device_.Port : std::string();
    target.Title = documentName_;
    target.Layout = printer_->pageLayout();
    target.Resolution = Resolution();
    target.Options.Media = target.Layout.pageSize().key().toStdString();
    target.Options.Copies = printer_->copyCount();
    target.Options.Collate = printer_->collateCopies();
    target.Options.Landscape = target.Layout.orientation() == QPageLayout::Landscape;
    switch (printer_->duplex()) {
    case QPrinter::DuplexLongSide: target.Options.Sides = "two-sided-long-edge"; break;
    case QPrinter::DuplexShortSide: target.Options.Sides = "two-sided-short-edge"; break;
    case QPrinter::DuplexAuto:
        target.Options.Sides = target.Options.Landscape ? "two-sided-short-edge" : "two-sided-long-edge";
        break;
    default: break;
    }
    target.Options.Monochrome = printer_->colorMode() == QPrinter::GrayScale;
    document_ = PrintDocument::Begin(target);
    if (!document_) {
        refused_ = true;
        return nullptr;
    }
    return &document_->Painter();
}

bool PrinterCanvas::Print(const std::string& text, bool lineEnd) {
    QPainter* painter = Begin();
    if (!painter) return false;
    const double u = UnitsPerScale();
    const QFont font = DeviceFont();
    const QFontMetricsF metrics(font);
    const QString line = QString::fromStdString(text);
    const double x = currentX_ * u, y = currentY_ * u;
    const double width = metrics.horizontalAdvance(line);
    if (!line.isEmpty()) {
        if (!fontTransparent_) painter->fillRect(QRectF(x, y, width, metrics.height()), Qt::white);
        painter->setFont(font);
        painter->setPen(Ink(foreColor_));
        painter->drawText(QPointF(x, y + metrics.ascent()), line);
    }
    if (lineEnd) {
        currentX_ = 0;
        currentY_ += metrics.height() / u;
    } else {
        currentX_ += width / u;
    }
    return true;
}

void PrinterCanvas::NextPrintZone() {
    const double u = UnitsPerScale();
    const double zone = 14.0 * QFontMetricsF(DeviceFont()).averageCharWidth();
    if (zone <= 0) return;
    // A small tolerance keeps a position that is a zone boundary up to rounding on it.
    const double zones = std::floor(currentX_ * u / zone + 1e-9);
    currentX_ = (zones + 1) * zone / u;
}

double PrinterCanvas::TextWidth(const std::string& text) const {
    const QFontMetricsF metrics(DeviceFont());
    double widest = 0;
    for (const QString& line : QString::fromStdString(text).split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest / UnitsPerScale();
}

double PrinterCanvas::TextHeight(const std::string& text) const {
    return QFontMetricsF(DeviceFont()).height() * LineCount(text) / UnitsPerScale();
}

bool PrinterCanvas::Line(double x1, double y1, double x2, double y2) {
    QPainter* painter = Begin();
    if (!painter) return false;
    const double u = UnitsPerScale();
    if (drawStyle_ != LineInvisible) {
        QPen pen(Ink(foreColor_), drawWidth_, PenStyleOf(drawStyle_));
        painter->setPen(pen);
        painter->drawLine(QPointF(x1 * u, y1 * u), QPointF(x2 * u, y2 * u));
    }
    currentX_ = x2;
    currentY_ = y2;
    return true;
}

bool PrinterCanvas::PaintPicture(const Picture& picture, double x, double y, double width, double height) {
    if (picture.IsEmpty()) return false;
    QPainter* painter = Begin();
    if (!painter) return false;
    const double u = UnitsPerScale();
    const QRectF target = QRectF(x * u, y * u, width * u, height * u).normalized();
    if (target.isEmpty()) return true;
    if (picture.IsMetafile()) {
        picture.Draw(*painter, target.toAlignedRect());
        return true;
    }
    QImage image = picture.Image();
    if (image.isNull()) return false;
    // Bring a large picture down to what the paper can show before it enters the file.
    const double limit = std::min(1.0, kMaxPictureDpi / Resolution());
    const QSize wanted(std::max(1, int(std::ceil(target.width() * limit))), std::max(1, int(std::ceil(target.height() * limit))));
    if (image.width() > wanted.width() || image.height() > wanted.height())
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (printer_->colorMode() == QPrinter::GrayScale) image = image.convertToFormat(QImage::Format_Grayscale8);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, image);
    return true;
}

bool PrinterCanvas::NewPage() {
    if (!Begin()) return false;
    if (!document_->NewPage()) {
        refused_ = true;
        return false;
    }
    ++page_;
    currentX_ = currentY_ = 0;
    return true;
}

bool PrinterCanvas::EndDoc() {
    bool ok = !refused_;
    if (document_) {
        if (refused_) document_->Abandon();
        else ok = document_->End();
    }
    Reset();
    return ok;
}

void PrinterCanvas::KillDoc() {
    if (document_) document_->Abandon();
    Reset();
}

void PrinterCanvas::Reset() {
    document_.reset();
    refused_ = false;
    page_ = 1;
    currentX_ = currentY_ = 0;
}

PrinterCanvas& Printer() {
    static PrinterCanvas canvas;
    return canvas;
}

} // namespace gb
