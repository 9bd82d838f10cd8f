#pragma once
// What the overview's menu entries and buttons ask for, by name rather than by the object
// names of the entries ("skriv", "Command2"), which stay handles for tests and automation.

namespace mf7 {

// The Reports menu.
enum class Report { MissingFiles, CampaignList, FullReport, FileList, Map };

// The buttons under the scenario list.
enum class ListCommand { InsertBefore, InsertAfter, Delete };

} // namespace mf7
