#pragma once
// The options window "オプション": edits five settings (the slideshow sound effect,
// the JPEG quality of the thumbnail sheet and three option flags) and the list of
// registered plug-ins, which change only with "OK"; and offers three actions that
// take effect at once: clearing the album history, associating album files with the
// program and switching the visual styles.
//
// The main window makes the window, shows it modally (exec) and lets it go.
#include "toolkit/ClassBehavior.h"
#include "toolkit/ClassComboBoxEx.h"
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassListView.h"
#include "toolkit/ClassSlider.h"
#include "toolkit/ClassToolTips.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace gb {

class FormProperty : public QDialog {
public:
    // What the window needs from the main window: its album history.
    struct MainWindowLink {
        std::function<bool()> CanTrashRecents;
        std::function<void()> TrashRecents;
    };

    // Entries of "ListOthers".
    enum OtherOption : int { NoAlbumStream = 0, NoLibraryChoice = 1, RestoreOnStart = 2, VisualStyles = 3 };

    explicit FormProperty(MainWindowLink link, QWidget* owner = nullptr);
    ~FormProperty() override;

    // The settings and plug-ins into the controls.
    void ShowOptions();
    // The controls into the settings and the plug-in registry.
    void ApplyOptions();

    // The Quality value of slider position k (1-5), and the position of a Quality
    // value (1 for a value that has none).
    static uint8_t QualityOfPosition(int position);
    static int PositionOfQuality(int quality);

    // Associates album files with the program; replaceable by tests.
    std::function<bool()> RegisterDocument;

    // Controls.
    ClassImageList ImagesSound;
    ClassComboBoxEx ComboBoxExSound;
    QLabel* ImageQuality;
    ClassToolTips ToolTipsQuality;
    ClassSlider SliderQuality;
    ClassImageList ImagesPlugin;
    ClassListView ListViewPlugin;
    QPushButton* CommandRegister;
    QPushButton* CommandRemove;
    QListWidget* ListOthers;
    QPushButton* CommandTrash;
    QPushButton* CommandAssociate;
    QPushButton* CommandHelp;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;

    // Handlers.
    void SliderQuality_Scroll();
    void CommandRegister_Click();
    void CommandRemove_Click();
    void ListViewPlugin_ItemChange();
    void ListViewPlugin_DblClick();
    void ListOthers_ItemCheck(int index);
    void CommandTrash_Click();
    void CommandAssociate_Click();
    void CommandHelp_Click();
    void CommandOK_Click();
    void CommandCancel_Click();

private:
    class HelpTopics;

    void BuildControls();
    void LoadControls();
    void AddPluginRow(const std::string& text, int image, const std::string& path);

    MainWindowLink link_;
    ClassBehavior Behavior;
    std::unique_ptr<HelpTopics> helpTopics_;
    QGroupBox* groups_[5] = {};
    bool showing_ = false;
};

} // namespace gb
