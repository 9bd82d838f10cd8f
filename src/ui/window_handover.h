#pragma once
// What windows hand each other: the window to return to, and which field or command asked the
// file chooser for a name. The windows keep these themselves; the editor state never holds them.

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

// The overview's file-name fields: Win Campaign SMK (Text3), Lose Campaign SMK (Text4) and the
// description text file (Text5).
enum class HeaderField { WinSmk, LoseSmk, Description };

struct ChooserTarget {
    enum class Kind { None, Open, SaveAs, OverviewField, EditorField };
    Kind kind = Kind::None;
    // The asking field of the overview.
    HeaderField field = HeaderField::WinSmk;
    // The asking field's control number in the scenario editor: Text6 to Text44.
    int control = 0;

    static ChooserTarget open() { return {Kind::Open}; }
    static ChooserTarget save_as() { return {Kind::SaveAs}; }
    static ChooserTarget overview_field(HeaderField field) { return {Kind::OverviewField, field}; }
    static ChooserTarget editor_field(int control) {
        return {Kind::EditorField, HeaderField::WinSmk, control};
    }
    bool operator==(const ChooserTarget&) const = default;
};

} // namespace mf7
