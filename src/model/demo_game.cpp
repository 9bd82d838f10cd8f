#include "model/demo_game.h"

#include "model/country_names.h"
#include "platform/cp1252.h"
#include "platform/paths.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace mf7::demo {

std::string make_scenario_bytes(const ScnSpec& fields) {
    std::string b(std::max<std::size_t>(fields.size, 11350), '\0');
    // A fixed, varied pattern in every range the editor gives no meaning.
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = static_cast<char>((i * 7 + 3) % 251);
    auto put = [&](std::size_t at, int v) { b[at] = static_cast<char>(v & 0xFF); };
    auto put_text = [&](std::size_t at, const std::string& s) {
        for (std::size_t i = 0; i < 20; ++i)
            b[at + i] = i < s.size() ? s[i] : '\0';
    };
    put(0, fields.scn_hidden);
    put(8, fields.day);
    put(10, fields.month);
    put(12, fields.year_code & 0xFF);
    put(13, fields.year_code >> 8);
    put(14, fields.bv_turns);
    put(15, fields.v_turns);
    put(16, fields.tv_turns);
    put(22, fields.main_country);
    for (int k = 0; k < 4; ++k)
        put(23 + static_cast<std::size_t>(k), fields.sup_country[k]);
    put(119, fields.ai_main_country);
    for (int k = 0; k < 4; ++k)
        put(120 + static_cast<std::size_t>(k), fields.ai_sup_country[k]);
    put(124, fields.ai_stance);
    put(216, fields.player3_country);
    put(313, fields.player4_country);
    put_text(11210, fields.map_file);
    put_text(11230, fields.intro_txt);
    put(11250, fields.scn_origin);
    return b.substr(0, fields.size);
}

std::string make_map_bytes(int16_t number) {
    std::string b(64, '\0');
    b[0] = static_cast<char>(number & 0xFF);
    b[1] = static_cast<char>((static_cast<uint16_t>(number) >> 8) & 0xFF);
    return b;
}

std::string crlf_text(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

bool write_bytes(const NativePath& path, const std::string& bytes) {
    fs::path p = to_native(path);
    std::error_code ec;
    fs::create_directories(p.parent_path(), ec);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

Settings demo_settings(const NativePath& root) {
    Settings s;
    s.mf7_cam = join_path(root, "CAMPAIGN");
    s.mf7_scn = join_path(root, "SCENARIO");
    s.mf7_mus = join_path(root, "SOUND");
    s.mf7_smk = join_path(root, "SMACK");
    s.mf7_txt = join_path(root, "TEXT");
    s.mf7main = root;
    s.mf7_rep = join_path(root, "REPORTS");
    s.set_mf7text("*.txt");
    return s;
}

namespace {

struct DemoScenario {
    const char* file;    // as the campaign names it
    const char* on_disk; // as the scenario folder holds it (letter case differs on purpose)
    const char* title;
    ScnSpec fields;
    int gotos[4];
    int alt[4][2];   // if_played, then_goto
    const char* smk; // film before the scenario
};

std::vector<DemoScenario> demo_scenarios() {
    auto fields = [](int day, int month, int year, int country, int ai, const char* map,
                     const char* intro) {
        ScnSpec s;
        s.day = day;
        s.month = month;
        s.year_code = static_cast<uint16_t>(year - 1900);
        s.main_country = static_cast<uint8_t>(country);
        s.ai_main_country = static_cast<uint8_t>(ai);
        s.map_file = map;
        s.intro_txt = intro;
        return s;
    };
    return {
        {"POLAND.SCN",
         "poland.scn",
         "Across the Narew",
         fields(1, 9, 1939, 8, 16, "CIECHANO.MAP", "poland.txt"),
         {1, 1, 1, 255},
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
         "intro1.smk"},
        {"NORWAY.SCN",
         "NORWAY.SCN",
         "Fjords and Fog",
         fields(9, 4, 1940, 8, 15, "LILLEHAM.MAP", "norway.txt"),
         {2, 2, 3, 255},
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
         "fjord.smk"},
        {"SEDAN.SCN",
         "Sedan.scn",
         "Through the Ardennes",
         fields(13, 5, 1940, 8, 7, "SEDAN.MAP", "sedan.txt"),
         {4, 4, 3, 255},
         {{0, 0}, {3, 5}, {0, 0}, {0, 0}},
         "panzer.smk"},
        {"DUNKIRK.SCN",
         "dunkirk.scn",
         "The Beaches",
         fields(26, 5, 1940, 8, 23, "DUNKIRK.MAP", "dunkirk.txt"),
         {4, 4, 4, 255},
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
         "beach.smk"},
        {"CRETE.SCN",
         "crete.scn",
         "Île de Crète",
         fields(20, 5, 1941, 8, 23, "CRETE.MAP", "crete.txt"),
         {5, 5, 6, 255},
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
         "missing.smk"},
        {"MALTA.SCN",
         "malta.scn",
         "Siege of Malta",
         fields(2, 7, 1942, 13, 23, "MALTA.MAP", "malta.txt"),
         {6, 6, 6, 255},
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
         "malta.smk"},
        {"KHARKOV.SCN",
         "kharkov.scn",
         "Winter on the Donets",
         fields(19, 2, 1943, 8, 20, "KHARKOV.MAP", "kharkov.txt"),
         {7, 7, 7, 255},
         {{0, 0}, {0, 0}, {5, 7}, {0, 0}},
         "donets.smk"},
        {"SEELOW.SCN",
         "seelow.scn",
         "Last Stand at Seelow",
         fields(16, 4, 1945, 8, 20, "SEELOW.MAP", "seelow.txt"),
         {254, 254, 254, 255},
         {{0, 0}, {0, 0}, {0, 0}, {0, 0}},
         "final.smk"},
    };
}

// A few maps are the demo's own (user maps); the others carry stock names.
std::vector<std::pair<std::string, int16_t>> demo_maps() {
    return {{"CIECHANO.MAP", 3}, {"LILLEHAM.MAP", 12}, {"SEDAN.MAP", 24},   {"DUNKIRK.MAP", 5},
            {"CRETE.MAP", 40},   {"MALTA.MAP", 14},    {"KHARKOV.MAP", 41}, {"SEELOW.MAP", 25}};
}

void set_outcome(OutcomeRecord& o, int go, int if_played, int then_goto, const std::string& stem,
                 const char* tag, int prestige) {
    o.prestige = static_cast<uint16_t>(prestige);
    o.goto_scn = static_cast<int16_t>(go);
    o.if_played = static_cast<int16_t>(if_played);
    o.then_goto = static_cast<int16_t>(then_goto);
    o.smk = make_text_field(std::string(tag) + ".smk");
    o.mus = make_text_field(std::string(tag) + ".mus");
    o.txt = make_text_field(stem + tag + ".txt");
    o.smk_after = nul_field();
    for (std::size_t i = 0; i < o.extra.size(); ++i)
        o.extra[i] = static_cast<uint8_t>(i == 0 ? 1 : 0);
}

} // namespace

CampaignRecord demo_campaign() {
    CampaignRecord cam;
    reset_campaign(cam);
    auto scns = demo_scenarios();
    cam.scenario_count = static_cast<int16_t>(scns.size());
    cam.player_start_prestige = 1200;
    cam.win_smk = make_text_field("victory.smk");
    cam.lose_smk = make_text_field("defeat.smk");
    cam.description_txt = make_text_field("demo.txt");
    for (std::size_t i = 0; i < scns.size(); ++i) {
        const auto& d = scns[i];
        ScenarioSlot& s = cam.scenarios[i];
        s.max_prestige_cap = static_cast<uint16_t>(2000 + 500 * i);
        s.start_prestige_cap = static_cast<uint16_t>(800 + 100 * i);
        s.ai_prestige = static_cast<uint16_t>(300 * i);
        s.player_start_prestige = static_cast<uint16_t>(400 + 50 * i);
        s.scn_file = make_text_field(d.file);
        s.scn_smk = make_text_field(d.smk);
        s.scn_mus = make_text_field("brief.mus");
        std::string stem = std::string(d.file).substr(0, 3);
        s.scn_txt = make_text_field(stem + "brief.txt");
        const char* tags[4] = {"bv", "v", "tv", "l"};
        int prestige[4] = {600, 400, 200, 0};
        for (int k = 0; k < 4; ++k)
            set_outcome(s.outcome[static_cast<std::size_t>(k)], d.gotos[k], d.alt[k][0],
                        d.alt[k][1], stem, tags[k], prestige[k]);
        s.scn_extra[0] = static_cast<uint8_t>(i);
    }
    cam.trailer_extra[0] = 0x4D;
    cam.trailer_extra[1] = 0x46;
    blanks_to_nul(cam);
    return cam;
}

void GameFiles::add(const NativePath& folder, const std::string& name, std::string bytes) {
    files_.emplace_back(join_path(folder, text_as_path(name)), std::move(bytes));
}

bool GameFiles::write(const NativePath& reports, std::string& error) const {
    for (const auto& [path, bytes] : files_) {
        if (!write_bytes(path, bytes)) {
            error = "cannot write " + path.str();
            return false;
        }
    }
    std::error_code ec;
    fs::create_directories(to_native(reports), ec);
    if (ec) {
        error = "cannot create " + reports.str();
        return false;
    }
    return true;
}

bool write_demo_game(const NativePath& root, std::string& error) {
    Settings s = demo_settings(root);
    GameFiles files;
    auto add = [&](const NativePath& folder, const std::string& name, std::string bytes) {
        files.add(folder, name, std::move(bytes));
    };
    CampaignRecord cam = demo_campaign();
    add(s.mf7_cam, "DEMO.CAM", campaign_to_bytes(cam));
    add(s.mf7_txt, "demo.txt",
        crlf_text({"Marchfield Demo Campaign", "",
                   "Eight battles from the Narew to the Seelow Heights.",
                   "Made by the editor's demo generator - no files of the game."}));
    for (const auto& d : demo_scenarios()) {
        add(s.mf7_scn, d.on_disk, make_scenario_bytes(d.fields));
        add(s.mf7_txt, d.fields.intro_txt,
            crlf_text({utf8_to_cp1252(d.title), "",
                       utf8_to_cp1252(std::string("Your orders for ") + d.title + ".")}));
        std::string stem = std::string(d.file).substr(0, 3);
        add(s.mf7_txt, stem + "brief.txt",
            crlf_text({utf8_to_cp1252(d.title), "Briefing before the battle."}));
        for (const char* tag : {"bv", "v", "tv", "l"})
            add(s.mf7_txt, stem + tag + ".txt",
                crlf_text({utf8_to_cp1252(std::string(d.title) + " - " + tag),
                           utf8_to_cp1252("Généraux, à vos postes!")}));
        if (std::string(d.smk) != "missing.smk")
            add(s.mf7_smk, d.smk, "SMK2-demo");
    }
    for (const auto& [name, number] : demo_maps()) {
        add(s.mf7_scn, name, make_map_bytes(number));
        add(join_path(s.mf7main, "MAP"),
            "MAP" + (number < 10 ? "0" + std::to_string(number) : std::to_string(number)) +
                "00.SHP",
            "SHP-demo");
    }
    for (const char* f : {"victory.smk", "defeat.smk", "bv.smk", "v.smk", "tv.smk", "l.smk"})
        add(s.mf7_smk, f, "SMK2-demo");
    for (const char* f : {"brief.mus", "bv.mus", "v.mus", "tv.mus", "l.mus"})
        add(s.mf7_mus, f, "MUS-demo");
    // The game's own file names a few countries differently from the built-in table.
    std::vector<std::string> countries(builtin_country_names().begin() + 1,
                                       builtin_country_names().end());
    countries[19] = "Soviet Union";
    countries[22] = "Great Britain";
    add(s.mf7main, "GUI97.TXT", crlf_text(countries));
    return files.write(s.mf7_rep, error);
}

bool demo_root_usable(const NativePath& root, std::string& error) {
    fs::path folder = to_native(root);
    std::error_code ec;
    if (!fs::exists(folder, ec))
        return true;
    if (!fs::is_directory(folder, ec)) {
        error = root.str() + " is not a folder";
        return false;
    }
    // An earlier demo game: its campaign, and nothing at the top but what the demo writes there.
    static const std::set<std::string> kOurs = {"CAMPAIGN", "SCENARIO", "SOUND", "SMACK",
                                                "TEXT",     "REPORTS",  "MAP",   "GUI97.TXT"};
    bool ours = file_exists(join_path(join_path(root, "CAMPAIGN"), "DEMO.CAM"));
    for (fs::directory_iterator it(folder, ec), end; ours && !ec && it != end; it.increment(ec))
        ours = kOurs.count(from_native(it->path().filename()).str()) > 0;
    if (ours || fs::is_empty(folder, ec))
        return true;
    error = root.str() + " is not an empty folder nor a demo game; name a new or empty folder";
    return false;
}

} // namespace mf7::demo
