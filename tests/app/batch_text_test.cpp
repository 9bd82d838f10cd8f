#include "model/campaign_text.h"
#include "platform/files.h"
#include "support/batch_run.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

namespace {

// The tool run from a folder with no settings file: these commands need none.
struct TextBatch {
    TempDir dir;
    BatchRun run(const std::vector<std::string>& args) { return run_batch_in(dir.path(), args); }
    std::string put(const std::string& name, const std::string& bytes) {
        EXPECT_TRUE(demo::write_bytes(dir.file(name), bytes));
        return dir.file(name).str();
    }
};

// The demo campaign as the editor saves it.
std::string demo_bytes() {
    CampaignRecord cam = demo::demo_campaign();
    blanks_to_nul(cam);
    return campaign_to_bytes(cam);
}

} // namespace

// Each refusal names the line and the key, exits 2 and leaves the target as it was. Slot 0's
// fields stand from line 8 (its brace on line 7): scn_file on 12, bv_goto on 36, bv_extra on 39.
TEST(BatchText, ImportRefusesFaultyTextsAndWritesNothing) {
    using Edit = std::function<void(std::vector<std::string>&)>;
    auto line = [](std::size_t n, std::string text) -> Edit {
        return [=](std::vector<std::string>& l) { l.at(n - 1) = text; };
    };
    struct Row {
        Edit edit;
        std::string error;
    };
    std::vector<Row> rows = {
        {line(36, "      \"bv_goto\": 1"),
         "line 37: malformed JSON: expected '}' or ',' after a value in an object, found '\"'"},
        {line(36, "      \"bv_goto\": 0x10,"),
         "line 36: malformed JSON: expected '}' or ',' after a value in an object, found 'x'"},
        {[](std::vector<std::string>& l) { l.erase(l.begin() + 35); },
         "line 7: scenarios[0]: missing key \"bv_goto\""},
        {line(36, "      \"bv_gotto\": 1,"), "line 36: scenarios[0]: unknown key \"bv_gotto\""},
        {line(37, "      \"bv_goto\": 1,"), "line 37: scenarios[0]: key \"bv_goto\" stands twice"},
        {line(36, "      \"bv_goto\": 32768,"),
         "line 36: scenarios[0].bv_goto: 32768 is out of range -32768 to 32767"},
        {line(36, "      \"bv_goto\": 1.5,"),
         "line 36: scenarios[0].bv_goto: 1.5 is no whole number from -32768 to 32767"},
        {line(3, "  \"player_start_prestige\": -1,"),
         "line 3: player_start_prestige: -1 is out of range 0 to 65535"},
        {line(12, "      \"scn_file\": \"ABCDEFGHIJKLMNOPQRSTU\","),
         "line 12: scenarios[0].scn_file: \"ABCDEFGHIJKLMNOPQRSTU\" is 21 bytes long, a name "
         "holds at most 20"},
        {line(12, "      \"scn_file\": \"\xE2\x86\x92.SCN\","),
         "line 12: scenarios[0].scn_file: the character U+2192 has no Windows-1252 byte"},
        {line(12, "      \"scn_file\": \"\\u0081.SCN\","),
         "line 12: scenarios[0].scn_file: the character U+0081 has no Windows-1252 byte (bytes "
         "Windows-1252 leaves undefined need the raw form)"},
        {line(12, "      \"scn_file\": {\"raw\": \"A.SCN\"},"),
         "line 12: scenarios[0].scn_file.raw: holds 5 characters, the raw form needs 20"},
        {line(39, "      \"bv_extra\": \"01 00\","),
         "line 39: scenarios[0].bv_extra: expected 24 bytes as hexadecimal pairs between blanks "
         "(\"zero\" for all zero)"},
        {// slot 49 (lines 2310 to 2356 with its braces) taken out of the list
         [](std::vector<std::string>& l) {
             l.erase(l.begin() + 2309, l.begin() + 2356);
             l.at(2308) = "    }";
         },
         "line 6: scenarios: holds 49 scenarios, the file holds exactly 50 (slots beyond the "
         "count too)"},
    };
    TextBatch b;
    std::string text = campaign_to_text(campaign_from_bytes(demo_bytes()));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.error);
        std::vector<std::string> lines = split_lines_any(text);
        row.edit(lines);
        std::string path = b.put("demo.json", joined(lines));
        std::string target = b.put("OLD.CAM", "old");
        BatchRun r = b.run({"import", path, "--out", target});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "mf7batch: " + path + ": " + row.error + "\n");
        EXPECT_EQ(read_all(NativePath(target)), "old");
    }
}

TEST(BatchText, ExportsOnlyCampaignFilesAndImportsWhatItExported) {
    TextBatch b;
    std::string cam = b.put("DEMO.CAM", demo_bytes());
    BatchRun r = b.run({"export", cam, "--out", b.dir.file("demo.json").str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_all(b.dir.file("demo.json")), b.run({"export", cam}).out);
    r = b.run({"import", b.dir.file("demo.json").str(), "--out", b.dir.file("BACK.CAM").str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_all(b.dir.file("BACK.CAM")), demo_bytes());

    for (std::size_t size : {31943u, 31945u, 0u}) {
        SCOPED_TRACE(size);
        std::string odd = b.put("ODD.CAM", std::string(size, '\1'));
        r = b.run({"export", odd});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        std::string told = size > 31944 ? "more than 31945" : std::to_string(size);
        EXPECT_EQ(r.err, "mf7batch: " + odd + " is no campaign file: " + told +
                             " bytes, a campaign file has 31944\n");
    }
}

// 0 when equal, 1 with a line per differing field, 2 when a file is no campaign.
TEST(BatchText, DiffExitsByWhatItFinds) {
    TextBatch b;
    std::string a = b.put("A.CAM", demo_bytes());
    CampaignRecord changed = campaign_from_bytes(demo_bytes());
    changed.scenario_count = -3;
    changed.scenarios[3].outcome[BV].goto_scn = 7;
    changed.scenarios[0].scn_file = make_text_field("X.SCN");
    changed.trailer_extra[79] = 0xAB;
    std::string c = b.put("C.CAM", campaign_to_bytes(changed));
    std::string zeros;
    for (int i = 0; i < 77; ++i)
        zeros += " 00";
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    std::vector<Row> rows = {
        {{"diff", a, a}, 0, ""},
        {{"diff", a, c},
         1,
         "scenario_count: 8 -> -3\n"
         "scenario 0 scn_file: \"POLAND.SCN\" -> {\"raw\": \"X.SCN               \"}\n"
         "scenario 3 bv_goto: 4 -> 7\n"
         "trailer_extra: \"4D 46" +
             zeros + " 00\" -> \"4D 46" + zeros + " AB\"\n"},
        {{"diff", a, b.put("SHORT.CAM", "x")}, 2, ""},
        {{"diff", a, b.dir.file("NONE.CAM").str()}, 2, ""},
        {{"diff", a}, 2, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args.back());
        BatchRun r = b.run(row.args);
        EXPECT_EQ(r.status, row.status) << r.err;
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.err.empty(), row.status < 2);
    }
}
