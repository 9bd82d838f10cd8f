#include "model/campaign_file.h"

#include "model/state.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace mf7 {

bool read_campaign(EditorState& state, const NativePath& path, Messages& messages) {
    if (path.empty()) {
        messages.show("F1-E01: No file selected. Please report this errorcode and filename.");
        return false;
    }
    if (!file_exists(path)) {
        messages.show("The Campaign file " + path_in_message(path) +
                      "does not exist. Please check MF7-editor directory settings and content of "
                      "the folder where the campaign file should be located.");
        return false;
    }
    std::string raw;
    FileError error;
    if (!read_file(path, raw, error, layout::kFileSize)) {
        report_file_error(messages, path_in_message(path), "Read the file: ", error.text);
        return false;
    }
    state.campaign = campaign_from_bytes(raw);
    if (count_is_damaged(state.campaign))
        report_file_error(
            messages, path_in_message(path), "Read the file: ",
            "Damaged campaign file: " + std::to_string(state.campaign.scenario_count) +
                " scenarios, the game allows 0 to 50");
    return true;
}

bool save_campaign(EditorState& state, Messages& messages) {
    std::string bytes = campaign_to_bytes(state.campaign);
    // The game's editor overwrote in place without shortening, so a longer file keeps its tail.
    std::string old;
    FileError ignored;
    if (file_exists(state.cam_path) && read_file(state.cam_path, old, ignored) &&
        old.size() > bytes.size())
        bytes += old.substr(bytes.size());
    FileError error;
    if (!write_file_atomic(state.cam_path, bytes, error)) {
        report_file_error(messages, path_in_message(state.cam_path),
                          "write the file: ", error.text);
        return false;
    }
    return true;
}

SaveResult write_campaign_file(EditorState& state, Messages& messages) {
    // The save replaces the file found ignoring letter case, so that is the file to name.
    if (messages.show("F1-I02: Do you want to save this file: " +
                          path_in_message(resolve_path(state.cam_path)),
                      Buttons::YesNo) != Answer::Yes)
        return SaveResult::Declined;
    blanks_to_nul(state.campaign);
    return save_campaign(state, messages) ? SaveResult::Saved : SaveResult::Failed;
}

} // namespace mf7
