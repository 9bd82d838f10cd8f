#include "copy/international_copy.h"

#include "model/scenario_file.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>

using namespace mf7;
using namespace mf7::test;

namespace {

// A small game of our own: two scenarios in use (a third slot beyond the count), names in mixed
// letter case, fields that name no file, and files that are missing on purpose.
struct SmallGame : Game {
    TempDir target;

    SmallGame() : Game([](const NativePath&, std::string&) { return true; }) {
        const Settings& s = state.settings;
        CampaignRecord& cam = state.campaign;
        reset_campaign(cam);
        cam.scenario_count = 2;
        ScenarioSlot& a = cam.scenarios[0];
        a.scn_file = make_text_field("ALPHA.SCN");
        a.scn_txt = make_text_field("alphabrf.txt");
        a.outcome[BV].txt = make_text_field("a_bv.txt");
        a.outcome[V].txt = blank_field();
        a.outcome[TV].txt = make_text_field(".txt");
        a.outcome[L].txt = make_text_field("nodot");
        ScenarioSlot& b = cam.scenarios[1];
        b.scn_file = make_text_field("BETA.SCN");
        b.scn_txt = make_text_field("Beta.TXT");
        b.outcome[BV].txt = make_text_field("b_bv.txt");
        b.outcome[V].txt = make_text_field("b.v.txt");
        cam.scenarios[2].scn_txt = make_text_field("unused.txt");
        cam.description_txt = make_text_field("camp.txt");

        // Longer than the head a scenario copy marks.
        write_scenario(s, "alpha.scn", {.intro_txt = "", .size = 20000});
        for (const char* n : {"alphabrf.txt", "a_bv.txt", "beta.txt", "b.v.txt", "camp.txt",
                              "unused.txt", "nodot", ".txt"})
            demo::write_bytes(join_path(s.mf7_txt, n), demo::crlf_text({n, "Généraux"}));
        state.cam_name = "CAMP.CAM"_path;
        state.cam_path = join_path(s.mf7_cam, state.cam_name);
    }

    CopyResult copy(const std::string& ext, const NativePath& folder = {}, CopyOptions o = {}) {
        o.target = folder.empty() ? target.path() : folder;
        o.new_ext = ext;
        return make_international_copy(state, o, msgs);
    }
};

// Every file below folder with its bytes, names relative to folder and separated by '/'.
std::map<std::string, std::string> tree(const NativePath& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(to_native(folder)))
        if (e.is_regular_file())
            out[std::filesystem::relative(e.path(), to_native(folder)).generic_string()] =
                read_all(from_native(e.path()));
    return out;
}

} // namespace

// A folder where a copy should go makes that copy fail: here a text's and a scenario's.
TEST(InternationalCopy, DeuCopyAsksThenReportsEachFileAndItsFailures) {
    SmallGame g;
    const Settings& s = g.state.settings;
    NativePath t = g.target.path();
    for (const char* name : {"a_bv.deu", "ALPHA.SCN"})
        std::filesystem::create_directories(to_native(g.target.file(name)));
    CopyResult r = g.copy("DEU");
    EXPECT_EQ(
        split_lines_cr(r.report),
        (std::vector<std::string>{
            "The following files are saved: ", in(t, "alphabrf.deu"),
            in(s.mf7_txt, "a_bv.txt") + " : COPY FAILED",
            in(s.mf7_scn, "ALPHA.SCN") + " : COPY FAILED", in(t, "Beta.deu"),
            in(s.mf7_txt, "b_bv.txt") + " : FILE NOT FOUND", in(t, "b.deu"), in(t, "BETA.txt"),
            in(s.mf7_scn, "BETA.SCN") + " : FILE NOT FOUND", in(t, "camp.deu"), in(t, "CAMP.CAM"),
            " ", "Number of files copied =  5", "Number of files NOT FOUND =  2"}));
    EXPECT_EQ(r.errors, 2);
    EXPECT_EQ(read_all(join_path(t, "report.deu")), r.report + "\r\n");
    ASSERT_EQ(g.msgs.shown.size(), 3u);
    EXPECT_EQ(g.msgs.shown[0].text, "The campaign will be copied into the Folder: " + t.str() +
                                        "\r\nAll textfiles in the campaign will be given the "
                                        "extension: deu\r\nDo yu want me to proceede?");
    EXPECT_EQ(g.msgs.shown[1].text, "The error: >" + kFolderInTheWayText +
                                        "< was encountered, While trying to copy files into " +
                                        t.str() + "\r\nFilenames when the Error occurred: " +
                                        in(s.mf7_txt, "a_bv.txt") + " -> " + in(t, "a_bv.deu"));

    // The file found ignoring case ("beta.txt") keeps its bytes under the campaign's spelling.
    EXPECT_EQ(read_all(join_path(t, "Beta.deu")), read_all(join_path(s.mf7_txt, "beta.txt")));
    // The campaign copy is the record as held, blanks and all: a copy is not a save.
    EXPECT_EQ(read_all(join_path(t, "CAMP.CAM")), campaign_to_bytes(g.state.campaign));
    // Without the target folder nothing is tried (the batch tool's test checks the message).
    EXPECT_FALSE(g.copy("txt", g.target.file("gone")).done);
}

// Names that differ only in letter case are one file where the game runs: the copy writes it
// once, under the first spelling, whatever letters the names hold (ä and Ä too).
TEST(InternationalCopy, NamesDifferingOnlyInCaseAreOneFile) {
    SmallGame g;
    ScenarioSlot& a = g.state.campaign.scenarios[0];
    a.outcome[V].txt = make_text_field("A_BV.TXT");
    a.outcome[TV].txt = make_text_field("\xC4rger.txt"); // Ärger.txt
    a.outcome[L].txt = make_text_field("\xE4RGER.txt");  // äRGER.txt
    demo::write_bytes(join_path(g.state.settings.mf7_txt, "ärger.txt"), "x");
    ASSERT_TRUE(g.copy("fra").done);
    EXPECT_EQ(list_files(g.target.path(), "*"),
              paths({"a_bv.fra", "ALPHA.SCN", "alphabrf.fra", "b.fra", "Beta.fra", "BETA.txt",
                     "CAMP.CAM", "camp.fra", "report.fra", "Ärger.fra"}));
}

// A flat game: campaign, scenarios and texts in one folder, which is also the target; with the
// texts' own extension every file is its own copy.
TEST(InternationalCopy, CopyIntoTheSourceFoldersKeepsTheSources) {
    SmallGame g;
    Settings& s = g.state.settings;
    for (const auto& [name, bytes] : tree(s.mf7_scn))
        demo::write_bytes(join_path(s.mf7_txt, NativePath(name)), bytes);
    s.mf7_scn = s.mf7_cam = s.mf7_txt;
    g.state.cam_path = join_path(s.mf7_txt, g.state.cam_name);
    demo::write_bytes(join_path(s.mf7_txt, g.state.cam_name), "an older campaign file");
    auto before = tree(s.mf7_txt);
    CopyResult r = g.copy("txt", s.mf7_txt);
    EXPECT_EQ(r.errors, 0);
    EXPECT_EQ(
        std::ranges::count_if(split_lines_cr(r.report),
                              [](auto& l) { return l.ends_with(" : same file, not copied"); }),
        7);
    auto after = tree(s.mf7_txt);
    for (const auto& [name, bytes] : before)
        EXPECT_EQ(after[name], bytes) << name;
}

TEST(CopyFolder, NewFolderNames) {
    TempDir dir;
    std::filesystem::create_directories(to_native(dir.file("Deu")));
    ASSERT_TRUE(demo::write_bytes(dir.file("afile"), "x"));
    const std::string sep(1, path_separator());
    // Parent, name, and the message of a refused name (none for a folder made).
    const std::tuple<std::string, const char*, std::string> cases[] = {
        {dir.str(), "  fra ", ""},
        {dir.str(), "   ", "Type a new Foldername in the White Textbox at the bottom"},
        {dir.str(), "deu", "The Folder: " + dir.file("deu").str() + " allready exist"},
        {dir.str() + sep, "Deu", "The Folder: " + dir.str() + sep + sep + "Deu allready exist"},
        {dir.str(), "afile",
         "The error: >File exists< was encountered, While trying to create the folder: " +
             dir.file("afile").str()},
    };
    for (const auto& [parent, name, message] : cases) {
        RecordingMessages messages;
        auto made = make_copy_folder(NativePath(parent), NativePath(name), messages);
        EXPECT_EQ(made, message.empty() ? std::optional(dir.file(trim(name))) : std::nullopt)
            << name;
        EXPECT_EQ(messages.texts(),
                  message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
        EXPECT_EQ(made && folder_exists(*made), made.has_value());
    }
}

// A name the campaign holds never leads a copy out of the target folder, even when the target
// lies inside the scenario folder and the name climbs back into it.
TEST(InternationalCopy, NamesThatLeaveTheTargetAreNotCopied) {
    SmallGame g;
    const Settings& s = g.state.settings;
    NativePath t = join_path(s.mf7_scn, "copy");
    std::filesystem::create_directories(to_native(join_path(t, "a")));
    for (const char* f : {"victim.scn", "../victim.scn", "a/b.scn", "../CAMP.CAM"})
        demo::write_bytes(join_path(s.mf7_scn, f), std::string(12000, 'v'));
    // A scenario's name also names its text file, refused with it (".." leaves ".txt").
    const char* scenarios[] = {"../victim.scn", "/abs.scn", "a/b.scn", "a\\b.scn", "C:x.scn", ".."};
    CampaignRecord& cam = g.state.campaign;
    cam.scenario_count = 6;
    for (int k = 0; k < 6; ++k)
        cam.scenarios[static_cast<std::size_t>(k)].scn_file = make_text_field(scenarios[k]);
    cam.description_txt = make_text_field("x/../camp.txt");
    g.state.cam_name = "../CAMP.CAM"_path;
    auto before = tree(g.dir.path());
    CopyResult r = g.copy("txt", t);
    EXPECT_EQ(r.errors, 13);
    const std::string refused = " : name not allowed, not copied";
    auto lines = split_lines_cr(r.report);
    for (const char* name : scenarios)
        EXPECT_TRUE(has_line(lines, trim(in(s.mf7_scn, name)) + refused)) << name;
    EXPECT_TRUE(has_line(lines, in(s.mf7_txt, "x/../camp.txt") + refused));
    EXPECT_TRUE(has_line(lines, g.state.cam_path.str() + refused));
    for (auto& [name, bytes] : tree(g.dir.path())) {
        // Only files directly in the target may be new or changed.
        bool in_target =
            name.starts_with("SCENARIO/copy/") && name.find('/', 14) == std::string::npos;
        EXPECT_TRUE(in_target || before[name] == bytes) << name;
    }
}

TEST(InternationalCopy, MarksOnlyTheBytesAScenarioFileHas) {
    // A short scenario file is copied as it is: marking must not write past its end.
    for (std::size_t size : {std::size_t{0}, scn_layout::kOrigin, scn_layout::kOrigin + 1}) {
        std::string bytes(size, '\x05');
        mark_scenario_copy(bytes, true, true);
        std::string expected(size, '\x05');
        if (size > 0)
            expected[scn_layout::kHidden] = 1;
        if (size > scn_layout::kOrigin)
            expected[scn_layout::kOrigin] = 0;
        EXPECT_EQ(bytes, expected) << size;
    }
}
