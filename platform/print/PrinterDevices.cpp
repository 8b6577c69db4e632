#include "PrinterDevices.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace gb {
namespace {

// The printable area of the PDF printer: the page less 5 mm all round, as a typical
// office printer leaves it.
constexpr double kPdfMarginMm = 5.0;

PrinterDevice DeviceOf(const QPrinterInfo& info) {
    return {info.printerName().toStdString(), info.makeAndModel().toStdString(), info.location().toStdString()};
}

PrinterDevice PdfPrinter(const std::string& file) { return {kPdfPrinterName, "PDF", file}; }

} // namespace

std::vector<PrinterDevice> InstalledPrinters() {
    std::vector<PrinterDevice> printers;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) printers.push_back(DeviceOf(info));
    printers.push_back(PdfPrinter(DefaultPdfFile()));
    return printers;
}

PrinterDevice DefaultPrinter() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) return DeviceOf(info);
    return PdfPrinter(DefaultPdfFile());
}

std::string DefaultPdfFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath("Glimmerbox.pdf").toStdString();
}

bool IsPdfPrinter(const std::string& deviceName) { return deviceName == kPdfPrinterName; }

bool SetUpPrinter(QPrinter& printer, const PrinterDevice& device) {
    if (IsPdfPrinter(device.DeviceName)) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(device.Port.empty() ? DefaultPdfFile() : device.Port));
        printer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                               QPageLayout::Millimeter);
        return true;
    }
    QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(device.DeviceName));
    if (info.isNull()) return false;
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(info.printerName());
    return printer.isValid();
}

PrinterDevice DeviceOf(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat || printer.printerName().isEmpty())
        return PdfPrinter(printer.outputFileName().isEmpty() ? DefaultPdfFile() : printer.outputFileName().toStdString());
    QPrinterInfo info = QPrinterInfo::printerInfo(printer.printerName());
    if (info.isNull()) return {printer.printerName().toStdString(), "", ""};
    return DeviceOf(info);
}

} // namespace gb
