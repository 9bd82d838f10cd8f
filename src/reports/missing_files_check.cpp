#include "reports/missing_files_check.h"

#include "model/scenario_file.h"
#include "model/text_file.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/settings.h"

#include <algorithm>
#include <array>
#include <optional>

namespace mf7 {

namespace {

constexpr const char* kPrefix = "Missing-Files-List-";

struct OutcomeTexts {
    const char* go;
    const char* if_played;
    const char* then_goto;
    const char* film;
    const char* text;
    const char* speech;
};

constexpr OutcomeTexts kOutcomeTexts[kOutcomes] = {
    {" - BV-goto illegal.", " - BV-if_played illegal.", " - BV-Then_goto illegal.",
     " - Missing BV smk-file: ", " - Missing BV text-file: ", " - Missing BV mus-file: "},
    {" - V-goto illegal.", " - V-if_played illegal.", " - V-Then_goto illegal.",
     " - Missing V smk-file: ", " - Missing V text-file: ", " - Missing V mus-file: "},
    {" - TV-goto illegal.", " - TV-if_played illegal.", " - TV-Then_goto illegal.",
     " - Missing TV smk-file: ", " - Missing TV text-file: ", " - Missing TV mus-file: "},
    {" - L-goto illegal.", " - L-if_played illegal.", " - L-Then_goto illegal.",
     " - Missing L smk-file: ", " - Missing L text-file: ", " - Missing L mus-file: "},
};

// The eight fields that lead somewhere; if_played only decides between two of them.
std::array<int, 8> gotos(const ScenarioSlot& s) {
    std::array<int, 8> g{};
    for (std::size_t k = 0; k < kOutcomes; ++k) {
        g[2 * k] = s.outcome[k].goto_scn;
        g[2 * k + 1] = s.outcome[k].then_goto;
    }
    return g;
}

class Check {
  public:
    Check(const ReportInputs& in, const CheckHeaderTexts& header, Messages& messages)
        : in_(in), settings_(in.settings), header_(header), messages_(messages),
          count_(std::min(static_cast<int>(in.rows.size()),
                          static_cast<int>(layout::kMaxScenarios))) {}

    CheckResult run() {
        result_.caption = report_path(settings_, kPrefix, in_.cam_name);
        campaign_header();
        for (int i = 0; i < count_; ++i)
            scenario(i);
        win_and_lose();
        statistics();
        result_.text = text_;
        return result_;
    }

  private:
    // text is game text; a path after it goes into the report as game text and into the
    // batch tool's text whole, its control bytes shown as \xHH there so that each line stays one.
    void line(const std::string& text, const NativePath& path = {}) {
        if (!first_line_) {
            text_ += "\r\n";
            result_.text_paths += "\n";
        }
        text_ += text + path_as_text(path);
        result_.text_paths += cp1252_to_utf8(text) + show_controls(path.str());
        first_line_ = false;
    }

    bool missing(const NativePath& folder, const std::string& name, NativePath& path) {
        path = join_game_name(folder, name, &folders_);
        return !file_exists(path, &folders_);
    }

    // A file test of a record field: nothing for a blank name, one line and one count when the
    // file is not found.
    void test_file(const TextField& field, const NativePath& folder, const std::string& head,
                   const char* words) {
        std::string name = field_text(field);
        NativePath path;
        if (!name.empty() && missing(folder, name, path)) {
            ++result_.counters.missing_files;
            line(head + words, path);
        }
    }

    void header_file(const std::string& shown, const NativePath& folder, const char* words) {
        NativePath path;
        if (!trim(shown).empty() && missing(folder, shown, path)) {
            ++result_.counters.missing_files;
            line(words, path);
        }
    }

    // The main country of the scenario, when its file can be read in this run.
    std::optional<int> read_main_country(const std::string& name) {
        std::optional<ScenarioData> d =
            read_scenario_details(settings_, name, messages_, &folders_).data;
        if (!d)
            return std::nullopt;
        return d->main_country();
    }

    void campaign_header() {
        NativePath cam = campaign_file_path(in_);
        if (!file_exists(cam, &folders_)) {
            ++result_.counters.missing_files;
            line("Campaign-file Missing : ", cam);
        }
        header_file(header_.description_txt, settings_.mf7_txt, "Campaign text-file Missing : ");
        header_file(header_.win_smk, settings_.mf7_smk, "Campaign-win smk-file Missing : ");
        header_file(header_.lose_smk, settings_.mf7_smk, "Campaign-lose smk-file Missing : ");
        line("  ");
        campaign_country_ = read_main_country(field_text(in_.cam.scenarios[0].scn_file));
    }

    bool used(int i) const {
        for (int j = 0; j < count_; ++j) {
            auto g = gotos(in_.cam.scenarios[static_cast<std::size_t>(j)]);
            if (std::find(g.begin(), g.end(), i) != g.end())
                return true;
        }
        return false;
    }

    void scenario(int i) {
        const ScenarioSlot& scn = in_.cam.scenarios[static_cast<std::size_t>(i)];
        const std::string n = str_number(i);
        const std::string file_head = "Scn # " + n;
        const std::string range_head = "Scn #: " + n;
        std::string name = field_text(scn.scn_file);
        if (name.empty()) {
            ++result_.counters.blank_scn_names;
            line(file_head + " - No Scenario-SCN file-name in Campaign.");
        } else {
            NativePath path;
            if (missing(settings_.mf7_scn, name, path)) {
                line(range_head + " - Missing scn-file: ", path);
                if (!used(i)) {
                    line(range_head + " - Scenario is not used by campaign.");
                } else {
                    ++result_.counters.missing_used_scn_files;
                    line(range_head + " - Scenario is used by campaign -------------------------- "
                                      "this will crash the campaign.");
                }
            }
            // Countries are compared only between files read now: a scenario that cannot be
            // read has no country to compare, nor has the campaign when its first one cannot.
            std::optional<int> country = read_main_country(name);
            if (country && campaign_country_ && *country != *campaign_country_) {
                line("Error in Country - Campaign Main country is NOT the same as Main Country "
                     "for scn# " +
                     n);
                ++result_.counters.country_errors;
            }
        }
        test_file(scn.scn_smk, settings_.mf7_smk, file_head, " - Missing scn smk-file: ");
        test_file(scn.scn_txt, settings_.mf7_txt, file_head, " - Missing scn text-file: ");
        test_file(scn.scn_mus, settings_.mf7_mus, file_head, " - Missing scn mus-file: ");
        if (!name.empty())
            details(i, name, file_head);
        for (int k = 0; k < kOutcomes; ++k)
            outcome(scn.outcome[static_cast<std::size_t>(k)], kOutcomeTexts[k], file_head,
                    range_head);
    }

    void details(int i, const std::string& name, const std::string& head) {
        // A file that cannot be read now has no map to test.
        std::optional<ScenarioData> d;
        if (!in_.rows[static_cast<std::size_t>(i)].file_missing)
            d = read_scenario_details(settings_, name, messages_, &folders_).data;
        if (!d) {
            line(head + " - Scenario details not available, Could not find scenario file, Check "
                        "scenario directory.");
            return;
        }
        map(*d, head);
        intro_text(*d, head);
    }

    void map(const ScenarioData& scenario, const std::string& head) {
        std::string map_name = field_text(scenario.map_file());
        if (map_name.empty()) {
            ++result_.counters.blank_map_names;
            line(head + " - No MAP file-name in scenario-file.");
            return;
        }
        NativePath path;
        if (missing(settings_.mf7_scn, map_name, path)) {
            ++result_.counters.missing_map_files;
            line(head + " - Missing map-file: ", path);
            return;
        }
        std::string bytes;
        FileError error;
        if (!read_file(path, bytes, error, 2)) {
            ++result_.counters.missing_map_files;
            line(head + " - Map-file could not be read: ", path);
            return;
        }
        // The map number, low byte first; a file shorter than two bytes reads as zeros.
        bytes.resize(2, '\0');
        auto number = static_cast<int16_t>(static_cast<uint8_t>(bytes[0]) |
                                           (static_cast<uint8_t>(bytes[1]) << 8));
        std::string digits = std::to_string(number);
        if (digits.size() == 1)
            digits = "0" + digits;
        // The map graphics' names are the game's own ASCII, the same bytes as paths.
        NativePath shp_folder = join_path(settings_.mf7main, "MAP");
        if (!file_exists(join_path(shp_folder, NativePath("MAP" + digits + "00.SHP")), &folders_)) {
            ++result_.counters.missing_map_graphics;
            line(head + " - SHP-files missing for map-file: ", path);
            line(head + " - SHP-files missing: ",
                 join_path(shp_folder, NativePath("MAP" + digits + "nn.SHP")));
        }
    }

    void intro_text(const ScenarioData& scenario, const std::string& head) {
        std::string intro = trim(field_raw(scenario.intro_txt()));
        if (intro.empty())
            return;
        if (right(intro, 4) != settings_.text_ext)
            intro += settings_.text_ext;
        NativePath path;
        if (missing(settings_.mf7_txt, intro, path)) {
            ++result_.counters.missing_files;
            line(head + " - Missing scn text-file: ", path);
        }
    }

    void range(int value, const char* words, const std::string& head) {
        if (value > count_ - 1 && value < 254) {
            ++result_.counters.out_of_range_gotos;
            line(head + words);
        }
    }

    void outcome(const OutcomeRecord& o, const OutcomeTexts& t, const std::string& file_head,
                 const std::string& range_head) {
        range(o.goto_scn, t.go, range_head);
        range(o.if_played, t.if_played, range_head);
        range(o.then_goto, t.then_goto, range_head);
        test_file(o.smk, settings_.mf7_smk, file_head, t.film);
        test_file(o.smk_after, settings_.mf7_smk, file_head, t.film);
        test_file(o.txt, settings_.mf7_txt, file_head, t.text);
        test_file(o.mus, settings_.mf7_mus, file_head, t.speech);
    }

    void win_and_lose() {
        for (int j = 0; j < count_; ++j) {
            auto g = gotos(in_.cam.scenarios[static_cast<std::size_t>(j)]);
            result_.can_win |= std::find(g.begin(), g.end(), 254) != g.end();
            result_.can_lose |= std::find(g.begin(), g.end(), 255) != g.end();
        }
    }

    void statistics() {
        const CheckCounters& c = result_.counters;
        line("-- file-checker - statistics --");
        auto stat = [&](int value, const char* text) {
            if (value > 0)
                line(text + str_number(value));
        };
        stat(c.missing_files, "Total number of files not found: ");
        stat(c.blank_scn_names, "Total number of scn-names not found in cam-file: ");
        stat(c.missing_used_scn_files, "Total number of scn-files not found            : ");
        stat(c.blank_map_names, "Total number of map-names not found in scn-file: ");
        stat(c.missing_map_files, "Total number of map-files not found            : ");
        stat(c.missing_map_graphics, "Total number of missing MAP-graphichs          : ");
        stat(c.out_of_range_gotos, "Total number of GOTO's 'Out-of-range' in campaign: ");
        if (c.country_errors > 0) {
            stat(c.country_errors, "Total number of scenarios with errors in Main Country: ");
            line("   - this could be intentional, but could lead to unwanted results.");
        }
        // Missing films, texts and speech, unused scenario files and country differences do
        // not stop the game; the rest does.
        result_.playable = c.blank_scn_names == 0 && c.missing_used_scn_files == 0 &&
                           c.blank_map_names == 0 && c.missing_map_files == 0 &&
                           c.missing_map_graphics == 0 && c.out_of_range_gotos == 0;
        line(result_.playable ? "Campaign seems 'playable'." : "Campaign seems 'not playable'.");
        line(result_.can_win ? "You can Win the Campaign." : "You can't Win the Campaign.");
        line(result_.can_lose ? "You can Loose the Campaign." : "You can't Loose the Campaign.");
        line("-- end of file-check --");
    }

    const ReportInputs& in_;
    const Settings& settings_;
    const CheckHeaderTexts& header_;
    Messages& messages_;
    const int count_;
    CheckResult result_;
    std::string text_;
    bool first_line_ = true;
    std::optional<int> campaign_country_;
    // The check writes nothing, so each folder it looks into is read once.
    FolderListings folders_;
};

} // namespace

CheckResult check_missing_files(const ReportInputs& in, const CheckHeaderTexts& header,
                                Messages& messages) {
    return Check(in, header, messages).run();
}

bool save_check_report(const Settings& settings, const NativePath& path, const std::string& text,
                       Messages& messages) {
    // Without the report folder the path would lead into the root of the disk.
    return report_folder_ok(settings, messages) && save_text_file(path, text, messages);
}

} // namespace mf7
