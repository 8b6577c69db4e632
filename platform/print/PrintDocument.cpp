#include "PrintDocument.h"

#include "platform/Folders.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>

namespace gb {

std::unique_ptr<PrintDocument> PrintDocument::Begin(const PrintTarget& target) {
    std::unique_ptr<PrintDocument> document(new PrintDocument);
    document->target_ = target;
    if (target.Queue.empty()) {
        if (target.File.empty()) return nullptr;
        auto file = std::make_unique<QSaveFile>(QString::fromStdString(target.File));
        // Only a finished document may replace the chosen file.
        file->setDirectWriteFallback(false);
        if (!file->open(QIODevice::WriteOnly)) return nullptr;
        document->file_ = std::move(file);
    } else {
        auto file = std::make_unique<QTemporaryFile>(QDir(QString::fromStdString(TempPath())).filePath("gbprint-XXXXXX.pdf"));
        if (!file->open()) return nullptr;
        document->file_ = std::move(file);
    }
    document->writer_ = std::make_unique<QPdfWriter>(document->file_.get());
    document->writer_->setTitle(QString::fromStdString(target.Title));
    document->writer_->setCreator("Glimmerbox");
    document->writer_->setResolution(target.Resolution);
    document->writer_->setPageLayout(target.Layout);
    if (!document->painter_.begin(document->writer_.get())) {
        document->Abandon();
        return nullptr;
    }
    return document;
}

PrintDocument::~PrintDocument() { Abandon(); }

bool PrintDocument::NewPage() { return !finished_ && writer_->newPage(); }

bool PrintDocument::End() {
    if (finished_) return false;
    finished_ = true;
    bool ok = painter_.end();
    if (auto* save = dynamic_cast<QSaveFile*>(file_.get())) return save->commit() && ok;
    file_->close();
    if (!ok) return false;
    const auto* temporary = static_cast<QTemporaryFile*>(file_.get());
    const bool sent = SubmitPdfToCups(target_.Queue, temporary->fileName().toStdString(), target_.Title,
                                      target_.Options) != 0;
    file_.reset(); // the temporary file goes with its object
    return sent;
}

void PrintDocument::Abandon() {
    if (finished_) return;
    finished_ = true;
    if (painter_.isActive()) painter_.end();
    if (auto* save = dynamic_cast<QSaveFile*>(file_.get())) save->cancelWriting();
    writer_.reset();
    file_.reset();
}

} // namespace gb
