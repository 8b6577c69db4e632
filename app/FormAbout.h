#pragma once
// The About box: the program's title, version and legal notice.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace gb {

class FormAbout : public QDialog {
public:
    explicit FormAbout(QWidget* owner = nullptr);

    QLabel* LabelTitle;
    QLabel* LabelVersion;
    QPushButton* CommandOK;
    QPushButton* CommandHelp;

    // The text typed into the box since the program started; it is never cleared.
    static std::string& TypedText();

    // The version information of the program.
    static int VersionMajor();
    static int VersionMinor();
    static int VersionRevision();
    static const char* LegalCopyright();
    static const char* LegalTrademarks();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_KeyPress(const QString& text);
};

} // namespace gb
