#pragma once
// The window controller: owns the overview, makes every other window on first use and
// afterwards only shows and hides it. A window that opens another on its behalf is disabled
// until that one returns. Windows never make each other: they signal, and this connects.
#include "ui/window_handover.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace mf7 {

struct EditorState;
class Messages;
struct ChooserSetup;
class OverviewWindow;
class FileChooser;
class NewCampaignDialog;
class FolderSettingsWindow;
class FolderPicker;
class FirstStartWindow;
class HowToWindow;
class AboutWindow;
class ScenarioEditor;
class ScenarioListWindow;
class TextWindow;
class CopyWindow;
class CampaignMapWindow;

class EditorWindows : public QObject {
    Q_OBJECT
  public:
    EditorWindows(EditorState& state, Messages& messages);
    ~EditorWindows() override;

    // Shows the overview and runs its start (settings, captions, menu states).
    void start();

    OverviewWindow& overview();
    // The other windows, made on first use.
    FileChooser& chooser();
    NewCampaignDialog& new_campaign_dialog();
    FolderSettingsWindow& folder_settings();
    FolderPicker& folder_picker();
    FirstStartWindow& first_start();
    HowToWindow& how_to();
    AboutWindow& about();
    ScenarioEditor& editor();
    ScenarioListWindow& scenario_list();
    TextWindow& text_window();
    CopyWindow& copy_window();
    CampaignMapWindow& campaign_map();
    // Whether a window has been made yet.
    bool created(WindowId id) const;

    // The window to return to: the overview, or whatever extra_window gives (the scenario
    // editor plugs itself in there).
    QWidget* window_named(WindowId id);
    std::function<QWidget*(WindowId)> extra_window;

    // Shows child (enabled, activated) on behalf of caller, which is disabled until it returns.
    void open_window(QWidget* child, QWidget* caller);
    // The child has hidden itself: caller is enabled and activated again.
    void return_to(QWidget* caller);
    // A window that disabled the overview has returned: the overview is enabled and activated
    // unless another window it waits for is still open, which is brought forward instead.
    void return_to_overview();
    // Prepares the chooser, shows it and disables caller when the setup asks so.
    void open_chooser(const ChooserSetup& setup, QWidget* caller);

    // How the program ends once the overview allowed it; tests replace it.
    std::function<void()> quit;

  private:
    EditorState& state_;
    Messages& messages_;
    std::unique_ptr<OverviewWindow> overview_;
    FileChooser* chooser_ = nullptr;
    NewCampaignDialog* new_campaign_dialog_ = nullptr;
    FolderSettingsWindow* folder_settings_ = nullptr;
    FolderPicker* folder_picker_ = nullptr;
    FirstStartWindow* first_start_ = nullptr;
    HowToWindow* how_to_ = nullptr;
    AboutWindow* about_ = nullptr;
    ScenarioEditor* editor_ = nullptr;
    ScenarioListWindow* scenario_list_ = nullptr;
    TextWindow* text_window_ = nullptr;
    CopyWindow* copy_window_ = nullptr;
    CampaignMapWindow* campaign_map_ = nullptr;

    // Set while the chooser works for the overview with the overview disabled (not for Save as).
    bool chooser_holds_overview_ = false;
    // Set while the text window edits the overview's description file (not the check's report).
    bool text_window_holds_overview_ = false;

    void connect_overview();
    QWidget* window_above_overview() const;
    void open_editor_chooser(int control);
    void edit_scenario();
    void open_campaign_map();
};

} // namespace mf7
