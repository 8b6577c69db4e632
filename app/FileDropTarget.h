#pragma once
// Accepts files dropped on a control: while dragging over it, files are accepted
// unless Shift or Ctrl alone is held; anything else is refused. A drop hands on the
// last file of the list.
#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

namespace gb {

class FileDropTarget : public QObject {
public:
    // Starts accepting drops on `control`.
    FileDropTarget(QWidget* control, std::function<void(const std::string& path)> dropped);

    // Whether a drag with these files and keys is accepted.
    static bool Accepts(bool hasFiles, Qt::KeyboardModifiers modifiers);
    // The path a drop opens: the last of the dropped files ("" for none).
    static std::string LastPath(const std::vector<std::string>& files);

    // A drop of this data with these keys: false when refused; otherwise the last file
    // is handed on once the drop has ended.
    bool Drop(const QMimeData* data, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const std::string&)> dropped_;
};

} // namespace gb
