#include "copy/international_copy.h"

#include "model/campaign_layout.h"
#include "model/state.h"
#include "platform/files.h"
#include "support/fixtures.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

using namespace mf7;
using namespace mf7::test;

namespace {

constexpr std::size_t kLongScenario = 20000;

// A small game of our own: two scenarios in use (a third slot beyond the count), names in mixed
// letter case, fields that name no file, and files that are missing on purpose.
struct SmallGame {
    TempDir root;
    TempDir target;
    EditorState state;
    RecordingMessages messages;

    SmallGame() {
        state.settings = demo::demo_settings(root.str());
        Settings& s = state.settings;
        Camfil& cam = state.camfil;
        init_cam(cam);
        cam.scenario_count = 2;
        scn_record& a = cam.scenarios[0];
        a.scn_file = make_text_field("ALPHA.SCN");
        a.scn_txt = make_text_field("alphabrf.txt");
        a.outcome[BV].txt = make_text_field("a_bv.txt");
        a.outcome[V].txt = blank_field();
        a.outcome[TV].txt = make_text_field(".txt");
        a.outcome[L].txt = make_text_field("nodot");
        scn_record& b = cam.scenarios[1];
        b.scn_file = make_text_field("BETA.SCN");
        b.scn_txt = make_text_field("Beta.TXT");
        b.outcome[BV].txt = make_text_field("b_bv.txt");
        b.outcome[V].txt = make_text_field("b.v.txt");
        b.outcome[TV].txt = nul_field();
        b.outcome[L].txt = nul_field();
        cam.scenarios[2].scn_txt = make_text_field("unused.txt");
        cam.description_txt = make_text_field("camp.txt");

        demo::ScnSpec alpha;
        alpha.size = kLongScenario;
        alpha.scn_hidden = 0;
        alpha.scn_origin = 1;
        put(s.mf7_scn, "alpha.scn", demo::make_scenario_bytes(alpha));
        for (const char* name : {"alphabrf.txt", "a_bv.txt", "beta.txt", "b.v.txt", "camp.txt",
                                 "unused.txt", "nodot", ".txt"})
            put(s.mf7_txt, name, demo::crlf_text({name, "Généraux"}));
        std::filesystem::create_directories(to_native(s.mf7_cam));
        state.cam_name = "CAMP.CAM";
        state.cam_folder = s.mf7_cam;
        state.cam_path = join_path(s.mf7_cam, state.cam_name);
    }

    void put(const std::string& folder, const std::string& name, const std::string& bytes) {
        ASSERT_TRUE(demo::write_bytes(join_path(folder, name), bytes));
    }

    CopyResult copy(const CopyOptions& options) {
        return make_international_copy(state, options, messages);
    }
    CopyOptions options(const std::string& ext = "txt") const {
        CopyOptions o;
        o.target = target.str();
        o.new_ext = ext;
        return o;
    }
    std::string src(const std::string& folder, const std::string& name) const {
        return read_all(join_path(folder, name));
    }
};

// Every file below folder with its bytes, names relative to folder.
std::map<std::string, std::string> tree(const std::string& folder) {
    std::map<std::string, std::string> out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(to_native(folder)))
        if (e.is_regular_file())
            out[std::filesystem::relative(e.path(), to_native(folder)).string()] =
                read_all(e.path().string());
    return out;
}

std::vector<std::string> lines_of(const std::string& report) {
    std::vector<std::string> out;
    std::size_t at = 0;
    for (std::size_t cut; (cut = report.find("\r\n", at)) != std::string::npos; at = cut + 2)
        out.push_back(report.substr(at, cut - at));
    out.push_back(report.substr(at));
    return out;
}

} // namespace

TEST(InternationalCopy, DeuCopyReportsEachFileInOrder) {
    SmallGame g;
    const Settings& s = g.state.settings;
    std::string t = g.target.str();
    CopyResult r = g.copy(g.options("DEU"));
    ASSERT_TRUE(r.done);
    std::vector<std::string> expected = {
        "The following files are saved: ",
        join_path(t, "alphabrf.deu"),
        join_path(t, "a_bv.deu"),
        join_path(t, "ALPHA.SCN"),
        join_path(t, "Beta.deu"),
        join_path(s.mf7_txt, "b_bv.txt") + " : FILE NOT FOUND",
        join_path(t, "b.deu"),
        join_path(t, "BETA.txt"),
        join_path(s.mf7_scn, "BETA.SCN") + " : FILE NOT FOUND",
        join_path(t, "camp.deu"),
        join_path(t, "CAMP.CAM"),
        " ",
        "Number of files copied =  7",
        "Number of files NOT FOUND =  2",
    };
    EXPECT_EQ(lines_of(r.report), expected);
    EXPECT_EQ(r.copied, 7);
    EXPECT_EQ(r.not_found, 2);
    EXPECT_EQ(r.errors, 0);
    EXPECT_EQ(r.label, "This Report has been saved as: " + join_path(t, "REPORT.deu"));
    ASSERT_TRUE(r.report_saved);
    EXPECT_EQ(read_all(join_path(t, "report.deu")), r.report + "\r\n");
    ASSERT_EQ(g.messages.shown.size(), 1u);
    EXPECT_EQ(g.messages.shown[0].text, "The campaign will be copied into the Folder: " + t +
                                            "\r\nAll textfiles in the campaign will be given the "
                                            "extension: deu\r\nDo yu want me to proceede?");
    EXPECT_EQ(g.messages.shown[0].buttons, Buttons::OkCancel);

    // The text files keep their base name and bytes; the file found ignoring case ("beta.txt")
    // is copied under the campaign's spelling.
    EXPECT_EQ(read_all(join_path(t, "Beta.deu")), g.src(s.mf7_txt, "beta.txt"));
    EXPECT_EQ(read_all(join_path(t, "b.deu")), g.src(s.mf7_txt, "b.v.txt"));
    EXPECT_EQ(read_all(join_path(t, "BETA.txt")), g.src(s.mf7_txt, "beta.txt"));
}

TEST(InternationalCopy, CampaignCopyIsTheRecordAsHeldAndStillNamesTxt) {
    SmallGame g;
    const Camfil before = g.state.camfil;
    ASSERT_TRUE(g.copy(g.options("deu")).done);
    EXPECT_EQ(g.state.camfil, before);
    std::string cam = read_all(g.target.file("CAMP.CAM"));
    ASSERT_EQ(cam.size(), layout::kFileSize);
    EXPECT_EQ(cam, camfil_to_bytes(before));
    // Blanks stay blanks: a copy is not a save.
    std::size_t scn_txt = layout::kFirstSlot + layout::slot::kScnTxt;
    EXPECT_EQ(cam.substr(scn_txt, 20), "alphabrf.txt        ");
    Camfil copied = camfil_from_bytes(cam);
    EXPECT_EQ(field_text(copied.scenarios[0].scn_txt), "alphabrf.txt");
    EXPECT_EQ(field_text(copied.scenarios[1].outcome[V].txt), "b.v.txt");
}

TEST(InternationalCopy, CheckBoxesDecideWhatIsCopiedAndHowScenariosAreMarked) {
    struct Case {
        bool scenarios, campaign, grey, hidden;
        bool scn_copied, own_text_copied, cam_copied;
        int byte0, byte11250;
    } cases[] = {
        {true, true, true, true, true, true, true, 1, 0},
        {true, true, false, false, true, true, true, 0, 1},
        {true, false, true, false, true, true, false, 0, 0},
        {true, true, false, true, true, true, true, 1, 1},
        {false, true, true, true, false, false, true, -1, -1},
        {false, false, true, true, false, false, false, -1, -1},
    };
    for (const Case& c : cases) {
        SmallGame g;
        CopyOptions o = g.options("deu");
        o.copy_scenarios = c.scenarios;
        o.copy_campaign = c.campaign;
        o.grey = c.grey;
        o.hidden = c.hidden;
        SCOPED_TRACE(std::to_string(c.scenarios) + std::to_string(c.campaign) +
                     std::to_string(c.grey) + std::to_string(c.hidden));
        ASSERT_TRUE(g.copy(o).done);
        auto files = tree(g.target.str());
        EXPECT_EQ(files.count("ALPHA.SCN"), c.scn_copied ? 1u : 0u);
        EXPECT_EQ(files.count("BETA.txt"), c.own_text_copied ? 1u : 0u);
        EXPECT_EQ(files.count("CAMP.CAM"), c.cam_copied ? 1u : 0u);
        // The text fields are copied whatever the boxes say.
        for (const char* name : {"alphabrf.deu", "a_bv.deu", "Beta.deu", "b.deu", "camp.deu"})
            EXPECT_EQ(files.count(name), 1u) << name;
        if (!c.scn_copied)
            continue;
        std::string source = g.src(g.state.settings.mf7_scn, "alpha.scn");
        const std::string& copy = files["ALPHA.SCN"];
        ASSERT_EQ(copy.size(), kLongScenario);
        EXPECT_EQ(copy[0], static_cast<char>(c.byte0));
        EXPECT_EQ(copy[11250], static_cast<char>(c.byte11250));
        for (std::size_t i = 0; i < copy.size(); ++i)
            if (i != 0 && i != 11250 && copy[i] != source[i])
                ADD_FAILURE() << "byte " << i << " changed";
    }
}

TEST(InternationalCopy, SkippedFieldsLeaveNoTrace) {
    SmallGame g;
    CopyOptions o = g.options("fra");
    o.copy_scenarios = false;
    o.copy_campaign = false;
    CopyResult r = g.copy(o);
    for (const std::string& line : lines_of(r.report)) {
        EXPECT_EQ(line.find("nodot"), std::string::npos) << line;
        EXPECT_EQ(line.find("unused"), std::string::npos) << line;
        EXPECT_FALSE(line.ends_with(join_path("", ".fra"))) << line;
    }
    auto files = tree(g.target.str());
    std::vector<std::string> names;
    for (const auto& [name, bytes] : files)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"Beta.fra", "a_bv.fra", "alphabrf.fra", "b.fra",
                                               "camp.fra", "report.fra"}));
    EXPECT_EQ(r.copied, 5);
    EXPECT_EQ(r.not_found, 1);
}

TEST(InternationalCopy, CancelTouchesNothing) {
    SmallGame g;
    g.messages.answers = {Answer::Cancel};
    const Camfil before = g.state.camfil;
    CopyResult r = g.copy(g.options("deu"));
    EXPECT_FALSE(r.done);
    EXPECT_TRUE(r.report.empty());
    EXPECT_TRUE(tree(g.target.str()).empty());
    EXPECT_EQ(g.messages.shown.size(), 1u);
    EXPECT_EQ(g.state.camfil, before);
}

TEST(InternationalCopy, MissingTargetFolderAsksNothingAndCopiesNothing) {
    SmallGame g;
    CopyOptions o = g.options();
    o.target = g.target.file("gone");
    CopyResult r = g.copy(o);
    EXPECT_FALSE(r.done);
    EXPECT_EQ(r.errors, 1);
    ASSERT_EQ(g.messages.shown.size(), 1u);
    EXPECT_EQ(g.messages.shown[0].text, "The error: >No such file or directory< was encountered, "
                                        "While trying to copy files into " +
                                            o.target);
    EXPECT_TRUE(tree(g.target.str()).empty());
}

TEST(InternationalCopy, CopyIntoTheSourceFoldersKeepsTheSources) {
    struct Case {
        const char* ext;
        int same_file_lines;
    } cases[] = {{"txt", 7}, {"deu", 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ext);
        // A flat game: campaign, scenarios and texts in one folder, which is also the target.
        SmallGame g;
        Settings& s = g.state.settings;
        for (const auto& [name, bytes] : tree(s.mf7_scn))
            g.put(s.mf7_txt, name, bytes);
        s.mf7_scn = s.mf7_cam = g.state.cam_folder = s.mf7_txt;
        g.state.cam_path = join_path(s.mf7_txt, g.state.cam_name);
        const std::string held_on_disk = "an older campaign file";
        g.put(s.mf7_txt, g.state.cam_name, held_on_disk);
        auto before = tree(s.mf7_txt);
        CopyOptions o = g.options(c.ext);
        o.target = s.mf7_txt;
        CopyResult r = g.copy(o);
        ASSERT_TRUE(r.done);
        EXPECT_EQ(r.errors, 0);
        int same = 0;
        for (const std::string& line : lines_of(r.report))
            if (line.ends_with(" : same file, not copied"))
                ++same;
        EXPECT_EQ(same, c.same_file_lines);
        auto after = tree(s.mf7_txt);
        for (const auto& [name, bytes] : before)
            EXPECT_EQ(after[name], bytes) << name;
    }
}

TEST(InternationalCopy, FailedCopiesAreReportedAndLeaveNoPartialFiles) {
    SmallGame g;
    std::string t = g.target.str();
    // A folder where a copy should go makes both the text and the scenario copy fail.
    for (const char* name : {"a_bv.deu", "ALPHA.SCN"})
        std::filesystem::create_directories(to_native(g.target.file(name)));
    CopyResult r = g.copy(g.options("deu"));
    ASSERT_TRUE(r.done);
    EXPECT_EQ(r.errors, 2);
    EXPECT_EQ(r.copied, 5);
    const Settings& s = g.state.settings;
    std::vector<std::string> texts = g.messages.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], "The error: >Is a directory< was encountered, While trying to copy files "
                        "into " +
                            t + "\r\nFilenames when the Error occurred: " +
                            join_path(s.mf7_txt, "a_bv.txt") + " -> " + join_path(t, "a_bv.deu"));
    auto lines = lines_of(r.report);
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), join_path(s.mf7_scn, "ALPHA.SCN") + " : COPY FAILED"),
        lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), join_path(t, "ALPHA.SCN")), lines.end());
    for (const auto& [name, bytes] : tree(t))
        EXPECT_NE(name[0], '.') << "left behind: " << name;
}

TEST(InternationalCopy, ShortScenarioFilesKeepTheirLength) {
    struct Case {
        std::size_t size;
        int byte0;
    } cases[] = {{0, -1}, {1, 1}, {11250, 1}, {11251, 1}};
    for (const Case& c : cases) {
        std::string bytes(c.size, '\x05');
        mark_scenario_copy(bytes, true, true);
        ASSERT_EQ(bytes.size(), c.size);
        if (c.byte0 >= 0) {
            EXPECT_EQ(bytes[0], c.byte0);
        }
        if (c.size > 11250) {
            EXPECT_EQ(bytes[11250], 0);
        }
    }
}

TEST(CopyFolder, NewFolderNames) {
    TempDir dir;
    std::filesystem::create_directories(to_native(dir.file("Deu")));
    ASSERT_TRUE(demo::write_bytes(dir.file("afile"), "x"));
    struct Case {
        std::string parent, name;
        std::optional<std::string> made;
        std::string message;
    } cases[] = {
        {dir.str(), "  fra ", dir.file("fra"), ""},
        {dir.str() + "/", "eng", dir.file("eng"), ""},
        {dir.str(), "   ", std::nullopt,
         "Type a new Foldername in the White Textbox at the bottom"},
        {dir.str(), "deu", std::nullopt, "The Folder: " + dir.file("deu") + " allready exist"},
        {dir.str() + "/", "Deu", std::nullopt, "The Folder: " + dir.str() + "//Deu allready exist"},
        {dir.str(), "afile", std::nullopt,
         "The error: >File exists< was encountered, While trying to create the folder: " +
             dir.file("afile")},
        {dir.file("none"), "x", std::nullopt,
         "The error: >No such file or directory< was encountered, While trying to create the "
         "folder: " +
             dir.file("none/x")},
    };
    for (const Case& c : cases) {
        RecordingMessages messages;
        EXPECT_EQ(make_copy_folder(c.parent, c.name, messages), c.made) << c.name;
        if (c.made) {
            EXPECT_TRUE(folder_exists(*c.made));
            EXPECT_TRUE(messages.shown.empty());
        } else {
            EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
        }
    }
}
