#include "ClassPrintDialog.h"

#include "ModalFallback.h"
#include "platform/ModalEcho.h"
#include "platform/Random.h"
#include "platform/print/PrinterCanvas.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace gb {
namespace {

bool SameName(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

PrinterDevice CanvasDevice(const PrinterCanvas& canvas) {
    return {canvas.DeviceName(), canvas.DriverName(), canvas.Port()};
}

// The canvas's settings as the dialog gets them: the scale only when a zoom is set.
DeviceMode SentMode(const PrinterCanvas& canvas, bool collate) {
    DeviceMode mode = canvas.Settings();
    mode.Fields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_COLOR | DM_DUPLEX;
    if (canvas.Zoom() != 0) {
        mode.Fields |= DM_SCALE;
        mode.Scale = canvas.Zoom();
    }
    mode.Fields |= DM_COLLATE;
    mode.Collate = collate ? 1 : 0;
    return mode;
}

QAbstractPrintDialog::PrintDialogOptions OptionsOf(uint32_t flags) {
    // Printing to a file stays: on this desktop it is the PDF printer.
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize;
    if (!(flags & PD_PRINTSETUP)) {
        if (!(flags & PD_NOSELECTION)) options |= QAbstractPrintDialog::PrintSelection;
        if (!(flags & PD_NOPAGENUMS)) options |= QAbstractPrintDialog::PrintPageRange;
    }
    return options;
}

template <class Widget>
void DisableChild(QObject& dialog, const char* name) {
    if (Widget* w = dialog.findChild<Widget*>(name)) w->setEnabled(false);
}

} // namespace

bool ClassPrintDialog::Dialog(Hwnd Owner) {
    PrinterCanvas& canvas = Printer();
    const DeviceMode sent = SentMode(canvas, Collate || (Flags & PD_COLLATE));
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, CanvasDevice(canvas)); // a printer that is gone leaves Qt's choice
    ApplyDeviceMode(sent, printer);

    if (Flags & PD_RETURNDEFAULT) {
        if (!SetUpPrinter(printer, DefaultPrinter())) return false;
    } else {
        QPrintDialog dialog(&printer, WidgetOf(Owner));
        dialog.setOptions(OptionsOf(Flags));
        if (PageMax > 0 && PageMin <= PageMax) dialog.setMinMax(std::max<int>(PageMin, 1), PageMax);
        if (PageFrom > 0 && PageFrom <= PageTo) printer.setFromTo(PageFrom, PageTo);
        if (!(Flags & PD_PRINTSETUP)) {
            if (Flags & PD_PAGENUMS) dialog.setPrintRange(QAbstractPrintDialog::PageRange);
            else if (Flags & PD_SELECTION) dialog.setPrintRange(QAbstractPrintDialog::Selection);
        }
        const std::string title = (Flags & PD_PRINTSETUP) ? "プリンターの設定" : "印刷";
        dialog.setWindowTitle(QString::fromStdString(title));
        EchoModal(&dialog, "PrintDialog", title, canvas.DeviceName(), Flags);
        CancelIfStillOpenUnderEcho(dialog);
        if (dialog.exec() != QDialog::Accepted) return false;
    }

    DeviceMode back = DeviceModeOf(printer);
    back.Scale = (sent.Fields & DM_SCALE) ? sent.Scale : 100;
    const PrinterDevice chosen = DeviceOf(printer);
    if (!SameName(chosen.DeviceName, canvas.DeviceName()))
        for (const PrinterDevice& device : InstalledPrinters())
            if (SameName(device.DeviceName, chosen.DeviceName)) canvas.SelectPrinter(device.DeviceName);
    if (IsPdfPrinter(chosen.DeviceName) && IsPdfPrinter(canvas.DeviceName())) canvas.SetPort(chosen.Port);
    canvas.SetOrientation(back.Orientation);
    canvas.SetPaperSize(back.PaperSize);
    canvas.SetColorMode(back.Color);
    canvas.SetCopies(back.Copies);
    canvas.SetPaperBin(back.DefaultSource);
    canvas.SetPrintQuality(back.PrintQuality);
    canvas.SetDuplex(back.Duplex);
    if (back.Scale != 100) canvas.SetZoom(back.Scale);
    // The user's choice either way; the canvas collates the copies it prints as well.
    Collate = back.Collate != 0;
    canvas.SetCollate(Collate);
    PageFrom = int16_t(printer.fromPage());
    PageTo = int16_t(printer.toPage());
    Copies = int16_t(printer.copyCount());
    return true;
}

bool ClassPrintDialog::PageDialog(Hwnd Owner, bool Setup, int32_t& Left, int32_t& Top, int32_t& Right,
                                  int32_t& Bottom) {
    PrinterCanvas& canvas = Printer();
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, CanvasDevice(canvas));
    DeviceMode paper = canvas.Settings();
    paper.Fields = DM_ORIENTATION | DM_PAPERSIZE;
    ApplyDeviceMode(paper, printer);
    const int32_t given[4] = {Left, Top, Right, Bottom};
    const QMarginsF minimum(given[0] / 100.0, given[1] / 100.0, given[2] / 100.0, given[3] / 100.0);
    printer.setPageMargins(minimum, QPageLayout::Millimeter);

    QPageSetupDialog dialog(&printer, WidgetOf(Owner));
    dialog.setWindowTitle("ページ設定");
    // Paper and orientation are shown but fixed; the given margins are the smallest.
    DisableChild<QComboBox>(dialog, "pageSizeCombo");
    DisableChild<QDoubleSpinBox>(dialog, "pageWidth");
    DisableChild<QDoubleSpinBox>(dialog, "pageHeight");
    DisableChild<QAbstractButton>(dialog, "portrait");
    DisableChild<QAbstractButton>(dialog, "landscape");
    auto* units = dialog.findChild<QComboBox*>("unitCombo");
    if (units && units->currentIndex() == 0) { // millimetres
        const char* names[4] = {"leftMargin", "topMargin", "rightMargin", "bottomMargin"};
        for (int i = 0; i < 4; ++i)
            if (auto* box = dialog.findChild<QDoubleSpinBox*>(names[i])) box->setMinimum(given[i] / 100.0);
    }
    EchoModal(&dialog, "PageDialog", "ページ設定", "", Setup ? 1 : 0);
    CancelIfStillOpenUnderEcho(dialog);
    if (dialog.exec() != QDialog::Accepted) return false;

    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
    const double values[4] = {chosen.left(), chosen.top(), chosen.right(), chosen.bottom()};
    int32_t* out[4] = {&Left, &Top, &Right, &Bottom};
    for (int i = 0; i < 4; ++i) *out[i] = std::max(given[i], int32_t(std::lround(values[i] * 100)));
    return true;
}

void ClassPrintDialog::Repair() {
    PrinterCanvas& canvas = Printer();
    const PrinterFont kept = canvas.Font();
    canvas.SetFontTransparent(false);
    const int count = canvas.FontCount();
    if (count > 0) canvas.SetFontName(canvas.Fonts(std::min(count - 1, int(count * Rnd()))));
    canvas.Print(" ", false);
    canvas.SetCurrentX(0);
    canvas.SetCurrentY(0);
    canvas.SetFontTransparent(true);
    canvas.SetFont(kept);
}

} // namespace gb
