#include "LibraryDragData.h"

#include "GeneralLibrary.h"
#include "platform/FileIO.h"
#include "platform/Folders.h"
#include "shell/GeneralWin32ExAPI.h"

#include <QUrl>

namespace gb {
namespace {

const QString kUriList = QStringLiteral("text/uri-list");

} // namespace

std::string LibraryDragData::ExportFile() { return ProgramFolder() + "/お気に入り ﾃﾞｰﾀﾍﾞｰｽ"; }

LibraryDragData::LibraryDragData() = default;

QStringList LibraryDragData::formats() const { return {kUriList}; }

bool LibraryDragData::hasFormat(const QString& mimeType) const { return mimeType == kUriList; }

QVariant LibraryDragData::retrieveData(const QString& mimeType, QMetaType type) const {
    if (mimeType != kUriList) return {};
    if (!exported_) {
        // A failing export still offers the path; the target finds no file or the
        // one from before.
        ExportLibraryList(ExportFile());
        exported_ = true;
    }
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(ExportFile()));
    if (type.id() == QMetaType::QByteArray || type.id() == QMetaType::QString) return url.toEncoded() + "\r\n";
    return QVariant(QList<QVariant>{url});
}

void LibraryDragData::DragEnded(Qt::DropAction action) {
    if (action == Qt::IgnoreAction && FileExists(ExportFile())) RemoveFile(ExportFile());
}

} // namespace gb
