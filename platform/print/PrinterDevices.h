#pragma once
// The printers of this desktop: the CUPS queues, and one printer that writes PDF files.
#include <string>
#include <vector>

class QPrinter;

namespace gb {

// The device name of the printer that writes PDF files. No CUPS queue can have it,
// since queue names hold no blanks.
inline constexpr char kPdfPrinterName[] = "PDF ファイル";

struct PrinterDevice {
    std::string DeviceName; // the CUPS queue, or kPdfPrinterName
    std::string DriverName; // the printer's make and model ("PDF" for the PDF printer)
    std::string Port;       // a CUPS printer's location; the PDF printer's output file
};

// The CUPS printers in the order CUPS lists them, then the PDF printer.
std::vector<PrinterDevice> InstalledPrinters();
// The desktop's default printer, else the PDF printer writing DefaultPdfFile().
PrinterDevice DefaultPrinter();
// Where the PDF printer writes when nobody chose a file: "Glimmerbox.pdf" in the
// user's documents folder (the home folder when there is none).
std::string DefaultPdfFile();

bool IsPdfPrinter(const std::string& deviceName);

// Points `printer` at `device` (a CUPS queue, or PDF output into its port). False when
// the device is neither the PDF printer nor a queue CUPS knows.
bool SetUpPrinter(QPrinter& printer, const PrinterDevice& device);
// The device `printer` points at.
PrinterDevice DeviceOf(const QPrinter& printer);

} // namespace gb
