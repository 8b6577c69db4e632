#pragma once
// The printer canvas: the program's one current printer, its settings and the drawing
// model the program prints with.
//
// Coordinates are in the canvas's scale (centimetres, twips, points, inches, millimetres
// or device pixels) from the upper-left corner of the printable area. The canvas keeps
// a current position: printed text stands with its upper-left corner there; a text
// printed with a line end moves the position to x = 0 and one line of the current font
// down, a text without it moves x to the text's end. Print zones are 14 average
// character widths of the current font wide, counted from x = 0.
//
// A document begins with the first output and ends with EndDoc, which prints its pages;
// KillDoc abandons it and nothing is printed. Operations that draw return false when the
// printer refused (the output could not be opened, a page could not be started); the
// refusal is remembered until the document ends, so EndDoc reports it too.
#include "DeviceMode.h"
#include "PrinterDevices.h"
#include "platform/draw/ColorRef.h"
#include "platform/draw/Picture.h"

#include <QFont>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace gb {

class PrintDocument;

// Units of the scale.
enum PrinterScale : int16_t {
    ScaleTwips = 1,
    ScalePoints = 2,
    ScalePixels = 3, // device units
    ScaleInches = 5,
    ScaleMillimeters = 6,
    ScaleCentimeters = 7,
};

// Line styles of DrawStyle.
enum LineStyle : int16_t {
    LineSolid = 0, LineDash = 1, LineDot = 2, LineDashDot = 3, LineDashDotDot = 4, LineInvisible = 5,
    LineInsideSolid = 6,
};

// The pen modes of DrawMode: only copying the pen's colour (13) has a meaning on paper;
// the others draw the same way.
constexpr int16_t kPenCopy = 13;
// Fill styles.
constexpr int16_t kFillSolid = 0;
constexpr int16_t kFillTransparent = 1;

struct PrinterFont {
    std::string Name; // a Windows font name is mapped to this desktop's font
    double Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethru = false;
};

class PrinterCanvas {
public:
    PrinterCanvas();
    ~PrinterCanvas();
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    // The device.
    std::string DeviceName() const { return device_.DeviceName; }
    std::string DriverName() const { return device_.DriverName; }
    // A CUPS printer's location; for the PDF printer, the file it writes.
    std::string Port() const { return device_.Port; }
    void SetPort(const std::string& port);
    // Makes the installed printer of this name (letters compared without regard to
    // case) the current one, with its own default settings. False when there is none.
    bool SelectPrinter(const std::string& deviceName);

    // Settings, in device-mode numbers (DeviceMode.h). A value the printer cannot take
    // leaves the setting as it was.
    int16_t Orientation() const;
    void SetOrientation(int16_t value);
    int16_t PaperSize() const;
    void SetPaperSize(int16_t value);
    int16_t Copies() const;
    void SetCopies(int16_t value);
    int16_t PaperBin() const;
    void SetPaperBin(int16_t value);
    int16_t PrintQuality() const;
    void SetPrintQuality(int16_t value);
    int16_t ColorMode() const;
    void SetColorMode(int16_t value);
    int16_t Duplex() const;
    void SetDuplex(int16_t value);
    bool Collate() const;
    void SetCollate(bool value);
    // Percent by which output is enlarged; 0 (not set) prints at 100.
    int16_t Zoom() const { return zoom_; }
    void SetZoom(int16_t value) { zoom_ = value < 0 ? 0 : value; }
    // The settings as one record, every field marked (the scale is the zoom, or 100).
    DeviceMode Settings() const;
    // The title of print jobs and PDF files.
    std::string DocumentName() const { return documentName_; }
    void SetDocumentName(const std::string& name) { documentName_ = name; }

    // Scale and printable area.
    int16_t ScaleMode() const { return scaleMode_; }
    void SetScaleMode(int16_t mode);
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Device units per inch.
    int Resolution() const;

    // Drawing settings.
    int16_t DrawMode() const { return drawMode_; }
    void SetDrawMode(int16_t mode) { drawMode_ = mode; }
    int16_t DrawStyle() const { return drawStyle_; }
    void SetDrawStyle(int16_t style) { drawStyle_ = style; }
    // Line width in device units.
    int16_t DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int16_t width) { drawWidth_ = width < 1 ? 1 : width; }
    ColorRef FillColor() const { return fillColor_; }
    void SetFillColor(ColorRef colour) { fillColor_ = colour; }
    int16_t FillStyle() const { return fillStyle_; }
    void SetFillStyle(int16_t style) { fillStyle_ = style; }
    // On: text is drawn without a background. Off: on white.
    bool FontTransparent() const { return fontTransparent_; }
    void SetFontTransparent(bool on) { fontTransparent_ = on; }
    ColorRef ForeColor() const { return foreColor_; }
    void SetForeColor(ColorRef colour) { foreColor_ = colour; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

    // Fonts.
    const PrinterFont& Font() const { return font_; }
    void SetFont(const PrinterFont& font) { font_ = font; }
    std::string FontName() const { return font_.Name; }
    void SetFontName(const std::string& name) { font_.Name = name; }
    double FontSize() const { return font_.Size; }
    void SetFontSize(double points) { font_.Size = points > 0 ? points : font_.Size; }
    // The installed fonts, indexed from 0.
    int FontCount() const;
    std::string Fonts(int index) const;

    // Text.
    bool Print(const std::string& text, bool lineEnd = true);
    // Moves x to the next print zone.
    void NextPrintZone();
    double TextWidth(const std::string& text) const;
    double TextHeight(const std::string& text) const;

    // A straight line in the fore colour, draw width and style; the position moves to
    // its end.
    bool Line(double x1, double y1, double x2, double y2);
    // The picture scaled into the rectangle; false for no picture.
    bool PaintPicture(const Picture& picture, double x, double y, double width, double height);

    // Document.
    int Page() const { return page_; }
    bool NewPage();
    bool EndDoc();
    void KillDoc();
    // True while a document has begun and not ended.
    bool Printing() const { return document_ != nullptr; }

private:
    QPainter* Begin();
    void Reset();
    double UnitsPerScale() const;
    QFont DeviceFont() const;
    QColor Ink(ColorRef colour) const;

    std::unique_ptr<QPrinter> printer_;
    PrinterDevice device_;
    std::unique_ptr<PrintDocument> document_;
    bool refused_ = false;
    int page_ = 1;
    int16_t zoom_ = 0;
    std::string documentName_ = "Glimmerbox";
    int16_t scaleMode_ = ScaleTwips;
    int16_t drawMode_ = kPenCopy;
    int16_t drawStyle_ = LineSolid;
    int16_t drawWidth_ = 1;
    ColorRef fillColor_ = 0;
    int16_t fillStyle_ = kFillTransparent;
    bool fontTransparent_ = true;
    ColorRef foreColor_ = 0;
    double currentX_ = 0;
    double currentY_ = 0;
    PrinterFont font_;
};

// The program's printer canvas, made at the first call and shared by everything that
// prints.
PrinterCanvas& Printer();

} // namespace gb
