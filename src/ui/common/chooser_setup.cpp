#include "ui/common/chooser_setup.h"

#include "model/state.h"
#include "platform/text.h"
#include "ui/common/qt_text.h"

namespace mf7 {

namespace {

const char* const kCampaignPattern = "*.cam";

// The folder, pattern and button of a file-name field's kind.
void set_kind(ChooserSetup& c, NameKind kind, const Settings& settings) {
    switch (kind) {
    case NameKind::Scenario:
        c.folder = settings.mf7_scn;
        c.pattern = "*.scn";
        c.button_caption = "Use scn-filename";
        break;
    case NameKind::Film:
        c.folder = settings.mf7_smk;
        c.pattern = "*.smk";
        c.button_caption = "Use smk-filename";
        break;
    case NameKind::Speech:
        c.folder = settings.mf7_mus;
        c.pattern = "*.mus";
        c.button_caption = "Use mus-filename";
        break;
    case NameKind::Text:
        c.folder = settings.mf7_txt;
        c.pattern = settings.mf7text;
        c.button_caption = "Use " + right(settings.mf7text, 3) + "-filename";
        break;
    }
}

} // namespace

ChooserSetup open_campaign_chooser(const Settings& settings) {
    ChooserSetup c;
    c.target = ChooserTarget::open();
    c.folder = settings.mf7_cam;
    c.pattern = kCampaignPattern;
    c.caption = "Open existing Campaign file";
    c.button_caption = "Open Campaign";
    c.button_enabled = false;
    return c;
}

ChooserSetup save_campaign_chooser(const NativePath& folder, const NativePath& name) {
    ChooserSetup c;
    c.target = ChooserTarget::save_as();
    c.folder = folder;
    c.pattern = kCampaignPattern;
    c.caption = "Gem campaign fil";
    c.button_caption = "write file to disk";
    // The name to save under stands in Text1 already, so the button works without a click.
    c.button_enabled = true;
    c.name = pathToQ(name);
    c.name_visible = true;
    c.disable_caller = false;
    return c;
}

ChooserSetup name_chooser(NameKind kind, const Settings& settings, ChooserTarget target) {
    ChooserSetup c;
    c.caption = "Select filename.";
    set_kind(c, kind, settings);
    c.button_enabled = false;
    c.name = QString();
    c.target = target;
    if (target.kind == ChooserTarget::Kind::EditorField) {
        c.return_window = WindowId::ScenarioEditor;
        c.disable_caller = false; // the editor disabled itself already
    }
    return c;
}

std::optional<ChooserSetup> editor_field_chooser(const Settings& settings,
                                                 const ChooserTarget& target) {
    if (target.kind != ChooserTarget::Kind::EditorField)
        return std::nullopt;
    std::optional<NameKind> kind = editor_name_kind(target.control);
    if (!kind)
        return std::nullopt;
    return name_chooser(*kind, settings, target);
}

} // namespace mf7
