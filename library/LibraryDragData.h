#pragma once
// The library offered to other programs by dragging it out of the library window: a
// file list with one file, the exported list "お気に入り ﾃﾞｰﾀﾍﾞｰｽ" in the program's
// folder, written only when the drop target asks for the list.
#include <QMimeData>
#include <string>

namespace gb {

class LibraryDragData : public QMimeData {
public:
    // The file the library is exported to.
    static std::string ExportFile();

    LibraryDragData();
    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;
    // Whether a drop target has asked for the list (and the file was written).
    bool Exported() const { return exported_; }

    // After the drag: a drag that ended without any effect leaves no exported file.
    static void DragEnded(Qt::DropAction action);

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    mutable bool exported_ = false;
};

} // namespace gb
