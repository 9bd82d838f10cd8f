#include "demo/full_game.h"

#include "model/country_names.h"
#include "platform/paths.h"

#include <algorithm>

namespace mf7::demo {

namespace {

std::string two_digits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

const char* const kFullTags[kOutcomes] = {"BV", "V", "TV", "L"};

std::string full_scn_name(int i) {
    return "FULL" + two_digits(i) + ".SCN";
}

std::string full_map_name(int i) {
    return "MAP" + two_digits(i) + ".MAP";
}

} // namespace

CampaignRecord full_campaign(int count) {
    CampaignRecord cam;
    reset_campaign(cam);
    count = std::clamp(count, 0, static_cast<int>(layout::kMaxScenarios));
    cam.scenario_count = static_cast<int16_t>(count);
    cam.player_start_prestige = 900;
    cam.win_smk = make_text_field("WON.SMK");
    cam.lose_smk = make_text_field("LOST.SMK");
    cam.description_txt = make_text_field("full.txt");
    for (int i = 0; i < count; ++i) {
        ScenarioSlot& s = cam.scenarios[static_cast<std::size_t>(i)];
        std::string nn = two_digits(i);
        s.max_prestige_cap = static_cast<uint16_t>(3000 + i);
        s.start_prestige_cap = static_cast<uint16_t>(1000 + i);
        s.ai_prestige = static_cast<uint16_t>(500 + i);
        s.player_start_prestige = static_cast<uint16_t>(700 + i);
        s.scn_file = make_text_field(full_scn_name(i));
        s.scn_smk = make_text_field("INTRO" + std::to_string(i) + ".SMK");
        s.scn_txt = make_text_field("BRIEF" + nn + ".txt");
        s.scn_mus = make_text_field("BRIEF" + nn + ".MUS");
        int next = i + 1 < count ? i + 1 : 254;
        for (int k = 0; k < kOutcomes; ++k) {
            OutcomeRecord& o = s.outcome[static_cast<std::size_t>(k)];
            std::string tag = kFullTags[k];
            o.prestige = static_cast<uint16_t>(100 * (kOutcomes - k));
            o.goto_scn = static_cast<int16_t>(k == L ? 255 : next);
            o.smk = make_text_field(tag + nn + ".SMK");
            o.smk_after = make_text_field(tag + "A" + nn + ".SMK");
            o.txt = make_text_field(tag + nn + ".txt");
            o.mus = make_text_field(tag + nn + ".MUS");
        }
    }
    blanks_to_nul(cam);
    return cam;
}

bool write_full_game(const NativePath& root, int count, std::string& error) {
    Settings s = demo_settings(root);
    CampaignRecord cam = full_campaign(count);
    GameFiles files;
    auto add = [&](const NativePath& folder, const std::string& name, std::string bytes) {
        files.add(folder, name, std::move(bytes));
    };
    add(s.mf7_cam, kFullCampaignName, campaign_to_bytes(cam));
    add(s.mf7_txt, "full.txt", crlf_text({"A Full Campaign", "Every file is present."}));
    add(s.mf7_smk, "WON.SMK", "SMK2-full");
    add(s.mf7_smk, "LOST.SMK", "SMK2-full");
    for (int i = 0; i < cam.scenario_count; ++i) {
        const ScenarioSlot& r = cam.scenarios[static_cast<std::size_t>(i)];
        std::string nn = two_digits(i);
        ScnSpec fields;
        fields.day = 1 + i % 28;
        fields.month = 1 + i % 12;
        fields.year_code = static_cast<uint16_t>(39 + i / 12);
        fields.map_file = full_map_name(i);
        fields.intro_txt = "INTRO" + nn;
        add(s.mf7_scn, full_scn_name(i), make_scenario_bytes(fields));
        add(s.mf7_scn, fields.map_file, make_map_bytes(static_cast<int16_t>(i + 1)));
        add(join_path(s.mf7main, "MAP"), "MAP" + two_digits(i + 1) + "00.SHP", "SHP-full");
        add(s.mf7_txt, fields.intro_txt + s.text_ext, crlf_text({"Scenario " + nn}));
        add(s.mf7_smk, field_text(r.scn_smk), "SMK2-full");
        add(s.mf7_txt, field_text(r.scn_txt), crlf_text({"Briefing " + nn}));
        add(s.mf7_mus, field_text(r.scn_mus), "MUS-full");
        for (const OutcomeRecord& o : r.outcome) {
            add(s.mf7_smk, field_text(o.smk), "SMK2-full");
            add(s.mf7_smk, field_text(o.smk_after), "SMK2-full");
            add(s.mf7_txt, field_text(o.txt), crlf_text({"Outcome " + nn}));
            add(s.mf7_mus, field_text(o.mus), "MUS-full");
        }
    }
    add(s.mf7main, "GUI97.TXT",
        crlf_text(std::vector<std::string>(builtin_country_names().begin() + 1,
                                           builtin_country_names().end())));
    return files.write(s.mf7_rep, error);
}

} // namespace mf7::demo
