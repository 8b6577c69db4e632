#pragma once
// The main window: a small control panel that opens albums and carries the slideshow
// controls, with its own title strip.
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string>

namespace gb {

class FormMain : public QWidget {
public:
    FormMain();

    // The load of the window: builds the controls, restores the state, shows the
    // window and opens the command line.
    void Form_Load(const std::string& commandLine);

    void RestoreState();
    void StoreState();
    void OpenLocation(const std::string& path);
    // Brings the controls in line with the current album.
    void Reload();

    QWidget* FrameControler;
    QWidget* PictureTitle;
    QPushButton* CommandButtons[2];
    QLabel* LabelStatus;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Remake();
    void QueryUnload();
    void Unload();

    bool closing_ = false;
    QPoint dragOffset_;
    bool dragging_ = false;
};

} // namespace gb
