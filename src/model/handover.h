#pragma once
// What windows hand each other through the state: the window to return to, and which field or
// command asked the file chooser for a name.

namespace mf7 {

enum class WindowId {
    Overview,
    FileChooser,
    NewCampaign,
    FolderSettings,
    FolderPicker,
    HowTo,
    About,
    ScenarioEditor,
    ScenarioList,
    TextWindow,
    Copy,
};

struct ChooserTarget {
    enum class Kind { None, Open, SaveAs, OverviewField, EditorField };
    Kind kind = Kind::None;
    // The asking field's control number: Text3 to Text5 of the overview, Text6 to Text44 of the
    // scenario editor.
    int control = 0;

    static ChooserTarget open() { return {Kind::Open, 0}; }
    static ChooserTarget save_as() { return {Kind::SaveAs, 0}; }
    static ChooserTarget overview_field(int control) { return {Kind::OverviewField, control}; }
    static ChooserTarget editor_field(int control) { return {Kind::EditorField, control}; }
    bool operator==(const ChooserTarget&) const = default;
};

} // namespace mf7
