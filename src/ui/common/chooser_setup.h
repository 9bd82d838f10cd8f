#pragma once
// How the file chooser is set up for each of its uses: Open, Save as, and the file-name fields of
// the overview and the scenario editor. Every window that opens the chooser takes its set-up
// from here.
#include "model/chooser_targets.h"
#include "platform/native_path.h"
#include "ui/window_handover.h"

#include <QString>

#include <optional>
#include <string>

namespace mf7 {

struct Settings;

// How a caller prepares the chooser. Texts are Windows-1252 like every text of the core.
struct ChooserSetup {
    NativePath folder;
    std::string pattern;
    std::string caption;        // window caption
    std::string button_caption; // Command1
    // Command1's enabled state; nothing leaves it as the last use left it.
    std::optional<bool> button_enabled;
    bool name_visible = false;
    // Text1's new contents as shown (a path for Save as); nothing leaves it as it was.
    std::optional<QString> name;
    ChooserTarget target;                        // who takes the chosen name
    WindowId return_window = WindowId::Overview; // the window enabled again on return
    // The calling window is disabled while the chooser is open (not while saving).
    bool disable_caller = true;
};

// Open: the campaign files of the campaign folder, none chosen yet.
ChooserSetup open_campaign_chooser(const Settings& settings);
// Save as: the campaign files of folder, with name in Text1 ready to be written.
ChooserSetup save_campaign_chooser(const NativePath& folder, const NativePath& name);
// A file-name field's chooser: the files of the kind's folder; the name goes back to target, in
// the overview or (for an editor field) in the scenario editor, which has disabled itself.
ChooserSetup name_chooser(NameKind kind, const Settings& settings, ChooserTarget target);
// The chooser for a scenario editor field; nothing for a target that is no editor file-name
// field.
std::optional<ChooserSetup> editor_field_chooser(const Settings& settings,
                                                 const ChooserTarget& target);

} // namespace mf7
