#pragma once
// One document on its way to a printer: the pages are written as a PDF file and handed
// over only when the document ends, so that an abandoned document prints nothing. For
// the PDF printer the file replaces the chosen file as a whole at the end; for a CUPS
// printer it is written to a temporary file and sent as one job.
#include "CupsJob.h"

#include <QPageLayout>
#include <QPainter>
#include <memory>
#include <string>

class QFileDevice;
class QPdfWriter;

namespace gb {

struct PrintTarget {
    std::string Queue;      // the CUPS queue; empty for a PDF file
    std::string File;       // the PDF file to write when Queue is empty
    std::string Title;      // the document's title
    QPageLayout Layout;     // paper, orientation and printable area
    int Resolution = 1200;  // device units per inch
    CupsJobOptions Options; // for a CUPS job
};

class PrintDocument {
public:
    // The open document with its first page, or nullptr when the output cannot be
    // opened (a folder that cannot be written, no temporary file).
    static std::unique_ptr<PrintDocument> Begin(const PrintTarget& target);
    ~PrintDocument();
    PrintDocument(const PrintDocument&) = delete;
    PrintDocument& operator=(const PrintDocument&) = delete;

    // Paints in device units from the upper-left corner of the printable area.
    QPainter& Painter() { return painter_; }
    bool NewPage();
    // Finishes the file and hands it over; false when writing or the hand-over failed
    // (the chosen file is then left as it was).
    bool End();
    // Drops the document: nothing is printed, no file is changed.
    void Abandon();

private:
    PrintDocument() = default;

    PrintTarget target_;
    std::unique_ptr<QFileDevice> file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    bool finished_ = false;
};

} // namespace gb
