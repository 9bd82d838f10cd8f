#include "app/batch.h"

#include "model/campaign_file.h"
#include "model/overview.h"
#include "model/state.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "settings/settings.h"

#include <algorithm>

namespace mf7 {

namespace {

constexpr const char* kUsage = "usage: mf7batch show CAMPAIGN [--ini FILE]\n";

// Messages go to the error stream; questions get the answer that loses nothing.
class StreamMessages : public Messages {
public:
    explicit StreamMessages(std::ostream& err) : err_(err) {}
    Answer show(const std::string& text, Buttons buttons, bool) override {
        std::string t = cp1252_to_utf8(text);
        // The game's messages break lines with CR LF or LF CR; a terminal wants LF alone.
        std::string clean;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if ((t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ||
                (t[i] == '\n' && i + 1 < t.size() && t[i + 1] == '\r')) {
                clean += '\n';
                ++i;
            } else {
                clean += t[i] == '\r' ? '\n' : t[i];
            }
        }
        err_ << clean << "\n";
        switch (buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::YesNo: return Answer::No;
        default: return Answer::Cancel;
        }
    }

private:
    std::ostream& err_;
};

struct Options {
    std::string command, campaign, ini;
};

bool parse(const std::vector<std::string>& args, Options& o) {
    if (args.size() < 2)
        return false;
    o.command = args[0];
    o.campaign = args[1];
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--ini" && i + 1 < args.size())
            o.ini = args[++i];
        else
            return false;
    }
    return true;
}

// The settings as the editor would have them, then the campaign read into the state.
bool open_campaign(EditorState& state, const Options& o, const std::string& program_folder,
                   Messages& messages) {
    state.settings.program_folder = program_folder;
    state.start_folder = program_folder;
    std::string ini = o.ini.empty() ? join_path(program_folder, kSettingsFileName)
                                    : utf8_to_cp1252(o.ini);
    if (read_settings_file(state.settings, ini, messages) == SettingsResult::Unreadable)
        return false;
    std::string path = utf8_to_cp1252(o.campaign);
    state.cam_path = path;
    std::size_t cut = path.find_last_of("/\\");
    state.cam_folder = cut == std::string::npos ? "" : path.substr(0, cut);
    state.cam_name = cut == std::string::npos ? path : path.substr(cut + 1);
    return laes_cam(state, path, messages);
}

int show(EditorState& state, Messages& messages, std::ostream& out) {
    OverviewFill fill = udfyld_form1(state, messages);
    auto line = [&](const std::string& text) { out << cp1252_to_utf8(text) << "\n"; };
    line("No of Scenarios: " + fill.text1);
    line("Player start prestige: " + fill.text2);
    line("Win Campaign SMK: " + fill.text3);
    line("Lose Campaign SMK: " + fill.text4);
    line("Campaign description text file: " + fill.text5);
    line("Trailer: " + fill.text6);
    line(fill.label7.value_or(""));
    for (const auto& row : fill.rows)
        line(row);
    return 0;
}

} // namespace

int run_batch(const std::vector<std::string>& args, const std::string& program_folder,
              std::ostream& out, std::ostream& err) {
    Options o;
    if (!parse(args, o) || o.command != "show") {
        err << kUsage;
        return 2;
    }
    EditorState state;
    StreamMessages messages(err);
    if (!open_campaign(state, o, program_folder, messages))
        return 2;
    return show(state, messages, out);
}

} // namespace mf7
