#include "DeviceMode.h"

#include <QPageSize>
#include <QPrinter>
#include <iterator>

namespace gb {
namespace {

struct SourcePair {
    int16_t bin;
    QPrinter::PaperSource source;
};

constexpr SourcePair kSources[] = {
    {DMBIN_UPPER, QPrinter::OnlyOne},         {DMBIN_LOWER, QPrinter::Lower},
    {DMBIN_MIDDLE, QPrinter::Middle},         {DMBIN_MANUAL, QPrinter::Manual},
    {DMBIN_ENVELOPE, QPrinter::Envelope},     {DMBIN_ENVMANUAL, QPrinter::EnvelopeManual},
    {DMBIN_AUTO, QPrinter::Auto},             {DMBIN_TRACTOR, QPrinter::Tractor},
    {DMBIN_SMALLFMT, QPrinter::SmallFormat},  {DMBIN_LARGEFMT, QPrinter::LargeFormat},
    {DMBIN_LARGECAPACITY, QPrinter::LargeCapacity}, {DMBIN_CASSETTE, QPrinter::Cassette},
    {DMBIN_FORMSOURCE, QPrinter::FormSource},
};

} // namespace

int ResolutionOfQuality(int16_t quality) {
    switch (quality) {
    case DMRES_DRAFT: return 150;
    case DMRES_LOW: return 300;
    case DMRES_MEDIUM: return 600;
    case DMRES_HIGH: return 1200;
    default: return quality > 0 ? quality : 0;
    }
}

void ApplyDeviceMode(const DeviceMode& mode, QPrinter& printer) {
    const uint32_t f = mode.Fields;
    if (f & DM_ORIENTATION) {
        if (mode.Orientation == DMORIENT_PORTRAIT) printer.setPageOrientation(QPageLayout::Portrait);
        else if (mode.Orientation == DMORIENT_LANDSCAPE) printer.setPageOrientation(QPageLayout::Landscape);
    }
    if (f & DM_PAPERSIZE) {
        QPageSize size(QPageSize::id(int(mode.PaperSize)));
        if (mode.PaperSize > 0 && size.isValid() && size.id() != QPageSize::Custom) printer.setPageSize(size);
    }
    if ((f & DM_COPIES) && mode.Copies > 0) printer.setCopyCount(mode.Copies);
    if (f & DM_DEFAULTSOURCE)
        for (const SourcePair& s : kSources)
            if (s.bin == mode.DefaultSource) printer.setPaperSource(s.source);
    if (f & DM_PRINTQUALITY) {
        const int dpi = ResolutionOfQuality(mode.PrintQuality);
        if (dpi > 0) printer.setResolution(dpi);
    }
    if (f & DM_COLOR) {
        if (mode.Color == DMCOLOR_MONOCHROME) printer.setColorMode(QPrinter::GrayScale);
        else if (mode.Color == DMCOLOR_COLOR) printer.setColorMode(QPrinter::Color);
    }
    if (f & DM_DUPLEX) {
        if (mode.Duplex == DMDUP_SIMPLEX) printer.setDuplex(QPrinter::DuplexNone);
        else if (mode.Duplex == DMDUP_VERTICAL) printer.setDuplex(QPrinter::DuplexLongSide);
        else if (mode.Duplex == DMDUP_HORIZONTAL) printer.setDuplex(QPrinter::DuplexShortSide);
    }
    if (f & DM_COLLATE) printer.setCollateCopies(mode.Collate != 0);
}

DeviceMode DeviceModeOf(const QPrinter& printer) {
    DeviceMode mode;
    mode.Fields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_DEFAULTSOURCE | DM_PRINTQUALITY | DM_COLOR |
                  DM_DUPLEX | DM_COLLATE;
    mode.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE
                                                                                     : DMORIENT_PORTRAIT;
    mode.PaperSize = int16_t(printer.pageLayout().pageSize().windowsId());
    mode.Scale = 100;
    mode.Copies = int16_t(printer.copyCount());
    mode.DefaultSource = DMBIN_AUTO;
    for (const SourcePair& s : kSources)
        if (s.source == printer.paperSource()) mode.DefaultSource = s.bin;
    mode.PrintQuality = int16_t(printer.resolution());
    mode.Color = printer.colorMode() == QPrinter::GrayScale ? DMCOLOR_MONOCHROME : DMCOLOR_COLOR;
    switch (printer.duplex()) {
    case QPrinter::DuplexShortSide: mode.Duplex = DMDUP_HORIZONTAL; break;
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto: mode.Duplex = DMDUP_VERTICAL; break;
    default: mode.Duplex = DMDUP_SIMPLEX; break;
    }
    mode.Collate = printer.collateCopies() ? 1 : 0;
    return mode;
}

} // namespace gb
