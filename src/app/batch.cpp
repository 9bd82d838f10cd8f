#include "app/batch.h"

#include "model/campaign_file.h"
#include "platform/cp1252.h"
#include "platform/paths.h"
#include "settings/settings.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <map>
#include <system_error>

namespace mf7 {

namespace {

constexpr const char* kUsage =
    "usage: mf7batch show|list|report|files CAMPAIGN [--ini FILE]\n"
    "       mf7batch check CAMPAIGN [--save] [--ini FILE]\n"
    "       mf7batch flow CAMPAIGN [--json] [--ini FILE]\n"
    "       mf7batch graph CAMPAIGN [--format json|dot|svg|png] [--out FILE] [--ini FILE]\n"
    "       mf7batch copy CAMPAIGN --to FOLDER [--ext txt|deu|fra] [--no-scenarios] "
    "[--no-campaign] [--no-grey] [--no-hide] [--ini FILE]\n"
    "       mf7batch export CAMPAIGN [--out FILE]\n"
    "       mf7batch import TEXT --out CAMPAIGN\n"
    "       mf7batch diff CAMPAIGN_A CAMPAIGN_B\n";

// One row per command: name and function.
const std::map<std::string, std::function<int(BatchContext&)>>& commands() {
    static const std::map<std::string, std::function<int(BatchContext&)>> kCommands = {
        {"show", batch_show},   {"list", batch_list},   {"report", batch_report},
        {"files", batch_files}, {"check", batch_check}, {"copy", batch_copy},
        {"flow", batch_flow},   {"graph", batch_graph},
    };
    return kCommands;
}

// The settings as the editor would have them, then the campaign read into the state.
bool open_campaign(EditorState& state, const NativePath& campaign, const NativePath& ini_arg,
                   const NativePath& program_folder, Messages& messages) {
    state.settings.program_folder = program_folder;
    state.start_folder = program_folder;
    NativePath ini = ini_arg.empty()
                         ? join_path(settings_folder(program_folder, default_user_config_folder()),
                                     kSettingsFileName)
                         : ini_arg;
    if (read_settings_file(state.settings, ini, messages) == SettingsResult::Unreadable)
        return false;
    const std::string& path = campaign.str();
    state.cam_path = campaign;
    std::size_t cut = path.find_last_of("/\\");
    state.cam_folder = NativePath(cut == std::string::npos ? "" : path.substr(0, cut));
    state.cam_name = NativePath(cut == std::string::npos ? path : path.substr(cut + 1));
    return read_campaign(state, campaign, messages);
}

} // namespace

Answer StreamMessages::show(const std::string& text, Buttons buttons, bool) {
    print_text(err_, message_to_utf8(text), false);
    err_ << "\n";
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void print_text(std::ostream& out, const std::string& text, bool cp1252) {
    std::string t = cp1252 ? cp1252_to_utf8(text) : text;
    // The game's texts break lines with CR LF, and some messages with LF CR.
    for (std::size_t i = 0; i < t.size(); ++i) {
        bool pair = i + 1 < t.size() &&
                    ((t[i] == '\r' && t[i + 1] == '\n') || (t[i] == '\n' && t[i + 1] == '\r'));
        if (pair) {
            out << '\n';
            ++i;
        } else {
            out << (t[i] == '\r' ? '\n' : t[i]);
        }
    }
}

namespace {

// A full disk or a closed pipe shows only once the buffered output is flushed, and a script must
// not take a cut output for success.
bool output_written(std::ostream& out, std::ostream& err) {
    errno = 0;
    out.flush();
    if (out)
        return true;
    int cause = errno;
    err << "mf7batch: cannot write the output";
    if (cause != 0)
        err << ": " << std::generic_category().message(cause);
    err << "\n";
    return false;
}

int run_command(const std::vector<NativePath>& args, const NativePath& program_folder,
                std::ostream& out, std::ostream& err) {
    // Options a command does not know are refused by the command with its own usage.
    if (std::find(args.begin(), args.end(), NativePath("--help")) != args.end()) {
        out << kUsage;
        return 0;
    }
    if (std::optional<int> status = run_text_command(args, out, err))
        return *status;
    if (args.size() < 2 || !commands().count(args[0].str())) {
        err << kUsage;
        return 2;
    }
    NativePath ini;
    std::vector<NativePath> options;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i].str() == "--ini" && i + 1 < args.size())
            ini = args[++i];
        else
            options.push_back(args[i]);
    }
    EditorState state;
    StreamMessages messages(err);
    if (!open_campaign(state, args[1], ini, program_folder, messages))
        return 2;
    // The command shows what it can of a damaged campaign, but a script must see the error.
    bool damaged = count_is_damaged(state.campaign);
    BatchContext context{state, messages, out, err, options};
    int status = commands().at(args[0].str())(context);
    return damaged ? 2 : status;
}

} // namespace

int run_batch(const std::vector<NativePath>& args, const NativePath& program_folder,
              std::ostream& out, std::ostream& err) {
    int status = run_command(args, program_folder, out, err);
    return output_written(out, err) ? status : 2;
}

} // namespace mf7
