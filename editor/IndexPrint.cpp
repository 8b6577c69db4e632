#include "IndexPrint.h"

#include "album/AlbumRecords.h"
#include "album/GeneralSheet.h"
#include "platform/Conventions.h"
#include "platform/print/PrinterCanvas.h"
#include "shell/ClassPrintDialog.h"

#include <cmath>

namespace gb {
namespace {

enum : int16_t { kStatusPrinting = 2006, kStatusError = 2003 };

constexpr char kGothic[] = "ＭＳ Ｐゴシック";
constexpr char kMincho[] = "ＭＳ Ｐ明朝";
constexpr int kColumns = 5;
// Margins in centimetres: above the header, between the rows and around the page
// number.
constexpr double kGap = 0.5;

void UseFont(PrinterCanvas& p, const char* face, double points) {
    p.SetFontName(face);
    p.SetFontSize(points);
}

// The page number stands right-aligned 0.5 from the right edge and ends 0.5 above the
// lower edge of the printable area.
bool PrintPageNumber(PrinterCanvas& p) {
    UseFont(p, kGothic, 10);
    const std::string number = std::to_string(p.Page());
    p.SetCurrentX(p.ScaleWidth() - p.TextWidth(number) - kGap);
    p.SetCurrentY(p.ScaleHeight() - p.TextHeight(number) - kGap);
    return p.Print(number, false);
}

std::string CountText(int count) { return (count == 0 ? std::string() : std::to_string(count)) + " ｱｲﾃﾑ"; }

bool PrintHeader(PrinterCanvas& p) {
    UseFont(p, kGothic, 12);
    bool ok = p.Print(Album.Title, true);
    UseFont(p, kMincho, 8);
    ok = ok && p.Print("", true);
    ok = ok && p.Print(IndexDateText(Album.Stamp), false);
    p.NextPrintZone();
    ok = ok && p.Print(CountText(Album.GalleryCount), true);
    ok = ok && p.Print(Album.Folder, true);
    const double y = p.CurrentY() + kGap;
    ok = ok && p.Line(0, y, p.ScaleWidth(), y);
    p.SetCurrentX(0);
    return ok;
}

bool PrintGalleries(PrinterCanvas& p) {
    const double cell = p.ScaleWidth() / kColumns;
    double top = 0;
    for (int i = 1; i <= Album.GalleryCount; ++i) {
        const GalleryInfo& gallery = Album.Gallery(i);
        const int column = (i - 1) % kColumns;
        const double left = column * cell;
        if (column == 0) top = p.CurrentY() + kGap;
        // Only the picture square is measured against the page, not its two lines.
        if (top + cell + kGap > p.ScaleHeight()) {
            if (!PrintPageNumber(p) || !p.NewPage()) return false;
            top = kGap;
        }
        bool preview = false;
        int16_t width = 0, height = 0;
        const Picture picture = LoadPictureFile(Album.Folder + "/" + gallery.FileName, preview, width, height);
        if (picture.IsEmpty() || width <= 0 || height <= 0) return false;
        // The picture keeps its shape in the upper-left corner of its square.
        const bool wide = width / height != 0;
        const double drawnWidth = wide ? cell : cell * width / height;
        const double drawnHeight = wide ? cell * height / width : cell;
        if (!p.PaintPicture(picture, left, top, drawnWidth, drawnHeight)) return false;
        p.SetCurrentX(left);
        p.SetCurrentY(top + cell);
        UseFont(p, kGothic, 10);
        if (!p.Print(gallery.Title, true)) return false;
        UseFont(p, kMincho, 8);
        p.SetCurrentX(left);
        if (!p.Print(std::to_string(i) + "  " + gallery.FileName, true)) return false;
    }
    return true;
}

bool PrintSheet(PrinterCanvas& p) {
    p.SetScaleMode(ScaleCentimeters);
    p.SetDrawMode(kPenCopy);
    p.SetDrawStyle(LineInsideSolid);
    p.SetDrawWidth(1);
    p.SetFillColor(0xFFFFFF);
    p.SetFillStyle(kFillTransparent);
    p.SetFontTransparent(true);
    p.SetForeColor(0);
    p.SetCurrentX(0);
    p.SetCurrentY(kGap);
    return PrintHeader(p) && PrintGalleries(p) && PrintPageNumber(p) && p.EndDoc();
}

} // namespace

std::string IndexDateText(double stamp) {
    static const char* const weekdays[] = {"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
    const DateParts parts = PartsFromDate(stamp);
    // Day 0 (1899-12-30) was a Saturday.
    const long long day = static_cast<long long>(std::floor(stamp));
    const int weekday = int(((day % 7) + 7 + 6) % 7);
    return std::to_string(parts.year) + "年 " + std::to_string(parts.month) + "月 " + std::to_string(parts.day) +
           "日 " + weekdays[weekday];
}

void PrintIndex(const IndexPrintHost& host) {
    ClassPrintDialog dialog;
    dialog.Flags = PD_PRINTSETUP;
    if (!dialog.Dialog(host.Owner)) return;
    dialog.Repair();
    if (host.Repaint) host.Repaint();
    if (host.ShowStatus) host.ShowStatus(true, kStatusPrinting);
    PrinterCanvas& p = Printer();
    if (PrintSheet(p)) {
        if (host.ShowStatus) host.ShowStatus(false, 0);
        return;
    }
    // Nothing at all is printed when any part fails.
    p.KillDoc();
    if (host.ShowStatus) host.ShowStatus(false, kStatusError);
}

} // namespace gb
