#pragma once
// The international copy: the open campaign's text files under another edition's extension, its
// scenario files (optionally marked grey or hidden for the game's scenario list) and the campaign
// file, copied into one folder with a report of what was copied.
#include "platform/native_path.h"

#include <functional>
#include <optional>
#include <string>

namespace mf7 {

struct EditorState;
class Messages;

// Names from the campaign are game text; the editions' extensions are ASCII.
struct CopyOptions {
    NativePath target;           // the folder to copy into (`copy_target`, trimmed by the copy)
    std::string new_ext = "txt"; // the edition's extension, without the dot
    bool copy_scenarios = true;  // `Check1`: scenario files and the scenarios' own text files
    bool copy_campaign = true;   // `Check2`
    bool grey = true;            // `Check3`: byte 11,250 of each scenario copy set to 0
    bool hidden = true;          // `Check4`: byte 0 of each scenario copy set to 1
    // Called as the copy goes through the files the campaign names: (files reached, files in all).
    std::function<void(int, int)> progress;
};

struct CopyResult {
    bool done = false; // false when the question was not answered OK: nothing was touched
    // The label and the report's lines with the paths whole are UTF-8 text (paths and fixed
    // ASCII words), for the window and the batch tool; `report` is the same as game text.
    std::string label;        // "This Report has been saved as: " + the path whole
    std::string report;       // the report's lines separated by CR LF, as game text
    std::string report_paths; // the same with the paths whole, in UTF-8
    NativePath report_path;   // where the report file was (or was to be) written
    int copied = 0;           // files copied
    int not_found = 0;        // sources named by the campaign that do not exist
    // failures shown as messages and names refused (the run went on after each)
    int errors = 0;
    bool report_saved = false;
};

// The text of the question asked before anything is copied.
std::string copy_question(const NativePath& target, const std::string& new_ext);

// Asks with OK and Cancel, then copies what the campaign record names into options.target and
// writes the report file "report." + new_ext there. The record is read, never changed, and no
// source file is ever written: a destination that is its own source is left alone and reported.
CopyResult make_international_copy(const EditorState& state, const CopyOptions& options,
                                   Messages& messages);

// Makes the folder name inside parent for a copy to go into. Tells the user and
// returns nothing when the name is empty, the folder exists or cannot be made; otherwise returns
// the new folder.
std::optional<NativePath> make_copy_folder(const NativePath& parent, const NativePath& name,
                                           Messages& messages);

// A scenario file image as its copy holds it: grey clears the origin byte (11,250) and hidden
// sets the hidden byte (0). The length never changes; a byte beyond a short file's end is not set.
void mark_scenario_copy(std::string& bytes, bool grey, bool hidden);

} // namespace mf7
