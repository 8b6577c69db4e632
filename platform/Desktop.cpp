#include "Desktop.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QScreen>

namespace gb {
namespace {

int TwipsPerPixel(bool horizontal) {
    QScreen* screen = QGuiApplication::primaryScreen();
    double dpi = screen ? (horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY()) : 96.0;
    if (dpi < 1.0) dpi = 96.0;
    int twips = int(1440.0 / dpi + 0.5);
    return twips > 0 ? twips : 1;
}

struct FontMap {
    const char* windowsName;
    const char* family;
};
const FontMap kFonts[] = {
    {"MS UI Gothic", "IPAPGothic"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ 明朝", "IPAMincho"},
    {"Tahoma", "DejaVu Sans"},
};

uint32_t Rgb(const QColor& c) { return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16; }

} // namespace

int TwipsPerPixelX() { return TwipsPerPixel(true); }
int TwipsPerPixelY() { return TwipsPerPixel(false); }

void InstallFontSubstitutions() {
    for (const FontMap& f : kFonts) QFont::insertSubstitution(QString::fromUtf8(f.windowsName), f.family);
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QFont font(QStringLiteral("IPAPGothic"), 9);
        QApplication::setFont(font);
    }
}

std::string MapFontName(const std::string& name) {
    for (const FontMap& f : kFonts)
        if (name == f.windowsName) return f.family;
    return name;
}

void SetBusyCursor(bool on) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    if (on) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

void InstallJapaneseLocale() { QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan)); }

uint32_t GetSysColor(int index) {
    QPalette p = QGuiApplication::palette();
    switch (index) {
    case 0: return Rgb(p.color(QPalette::Mid));                        // scroll bar
    case 1: return Rgb(p.color(QPalette::Dark));                       // desktop
    case 2: case 27: return Rgb(p.color(QPalette::Highlight));         // active caption
    case 3: case 28: return Rgb(p.color(QPalette::Inactive, QPalette::Highlight).lighter(130));
    case 4: case 30: return Rgb(p.color(QPalette::Window));            // menu
    case 5: return Rgb(p.color(QPalette::Base));                       // window
    case 6: return Rgb(p.color(QPalette::Shadow));                     // window frame
    case 7: return Rgb(p.color(QPalette::WindowText));                 // menu text
    case 8: return Rgb(p.color(QPalette::Text));                       // window text
    case 9: return Rgb(p.color(QPalette::HighlightedText));            // caption text
    case 10: case 11: return Rgb(p.color(QPalette::Button));           // borders
    case 12: return Rgb(p.color(QPalette::Mid));                       // application workspace
    case 13: case 29: return Rgb(p.color(QPalette::Highlight));
    case 14: return Rgb(p.color(QPalette::HighlightedText));
    case 15: return Rgb(p.color(QPalette::Button));                    // button face
    case 16: return Rgb(p.color(QPalette::Dark));                      // button shadow
    case 17: return Rgb(p.color(QPalette::Disabled, QPalette::Text));  // grey text
    case 18: return Rgb(p.color(QPalette::ButtonText));
    case 19: return Rgb(p.color(QPalette::Disabled, QPalette::WindowText)); // inactive caption text
    case 20: return Rgb(p.color(QPalette::Light));                     // button highlight
    case 21: return Rgb(p.color(QPalette::Shadow));                    // dark shadow
    case 22: return Rgb(p.color(QPalette::Midlight));                  // 3D light
    case 23: return Rgb(p.color(QPalette::ToolTipText));
    case 24: return Rgb(p.color(QPalette::ToolTipBase));
    case 26: return Rgb(p.color(QPalette::Link));                      // hot tracking
    default: return 0;
    }
}

} // namespace gb
