#include "model/file_commands.h"

#include "model/field_rules.h"
#include "model/state.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace mf7 {

NativePath save_as_name(const NativePath& typed) {
    std::string name = trim(fold_case(typed.str()));
    if (name.empty())
        return NativePath("newcamp.cam");
    if (right(name, 4) != ".cam")
        name += ".cam";
    return NativePath(name);
}

std::string check_name(const std::string& name, const std::string& extension) {
    std::string out = trim(lcase(name));
    append_extension(out, extension);
    return out;
}

bool exit_may_end(EditorState& state, Messages& messages) {
    std::string question;
    if (state.settings.settings_changed && state.campaign_changed)
        question = "Both Campaign and ini-file for MF7-editor has changed. Do you wish to save the "
                   "changes?";
    else if (state.settings.settings_changed)
        question = "MF7-editor ini-file has changed. Do you wish to save the changes?";
    else if (state.campaign_changed)
        question = "Campaign has changed. Do you wish to save the changes to the campaign.";
    if (question.empty())
        return true;
    return messages.show(question, Buttons::YesNo) == Answer::No;
}

bool open_may_continue(EditorState& state, Messages& messages) {
    if (!state.campaign_changed)
        return true;
    return messages.show("Current Campaign has changed, do you wish to save it, before you read "
                         "the next?",
                         Buttons::YesNoCancel) == Answer::No;
}

bool clear_confirmed(Messages& messages) {
    return messages.show("Do you want to clear the content of this Campaign? ", Buttons::YesNo) ==
           Answer::Yes;
}

} // namespace mf7
