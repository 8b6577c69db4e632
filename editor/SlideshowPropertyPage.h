#pragma once
// Page 1 of the album editor, "スライドショー": screen size, switching interval,
// transition effect, live colour filter, music and the sound effects. Every change
// goes straight into the album records, so the slideshow takes it from its next
// picture on.
#include "toolkit/ClassComboBoxEx.h"
#include "toolkit/ClassUpDown.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace gb {

class ClassImageList;
class LockableComboBox;

class SlideshowPropertyPage : public QWidget {
public:
    // `commands`: the editor's command images (11 and 12 mark the effects).
    SlideshowPropertyPage(QWidget* parent, ClassImageList& commands);
    ~SlideshowPropertyPage() override;

    void ShowAlbumProperties();
    void ApplyEditMode(bool editMode);

    LockableComboBox* ComboZoom;
    QLineEdit* TextInterval;
    ClassUpDown UpDownInterval;
    QLabel* LabelInterval;
    ClassComboBoxEx ComboBoxExEffect;
    QComboBox* ComboEffect;
    QGroupBox* FrameSound;
    QRadioButton* OptionSounds[2] = {};
    QLineEdit* TextSound;
    QPushButton* CommandSound;
    QCheckBox* CheckSound;

    struct EventHandlers {
        // Abort in the music error handler: the program ends.
        std::function<void()> Quit;
    } Events;

    // "選択(&D)...": chooses the music file.
    void CommandSound_Click();
    // The file dialog of the music choice: the folder and name of the chosen file, or
    // false when the user cancelled. Tests put their own choice in place.
    std::function<bool(std::string& folder, std::string& name)> ChooseFile;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ComboZoom_Change(const QString& text);
    void TextInterval_Change(const QString& text);
    void OptionSounds_Click(int index);
    bool ShowFileDialog(std::string& folder, std::string& name);
    void Arrange();

    QLabel* captions_[4] = {};
    bool filling_ = false;
};

} // namespace gb
