#include "model/field_rules.h"

#include "model/file_commands.h"
#include "model/state.h"
#include "model/text_file.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mf7;
using namespace mf7::test;
using Texts = std::vector<std::string>;

TEST(FieldRules, PrestigeFoldingRoundsHalvesToEven) {
    const std::tuple<std::string, std::string, uint16_t> cases[] = {
        {"70000", "4465", 4465}, {"-5", "5", 5},
        {"abc", "0", 0},         {"12.5", "12.5", 12},
        {"13.5", "13.5", 14},    {"65535", "65535", 65535},
        {"65536", "1", 1},       {"131070", "65535", 65535},
        {"1e3", "1e3", 1000},    {" 42 ", "42", 42}};
    for (const auto& [typed, text, value] : cases) {
        SCOPED_TRACE(typed);
        PrestigeFold f = fold_prestige(typed);
        EXPECT_EQ(f.text, text);
        EXPECT_EQ(f.value, value);
    }
}

TEST(FieldRules, GotoRange) {
    const std::tuple<std::string, std::string, int16_t> cases[] = {
        {"0", "0", 0},   {"49", "49", 49},    {"50", "0", 0},
        {"253", "0", 0}, {"254", "254", 254}, {"255", "255", 255},
        {"256", "0", 0}, {"-1", "0", 0},      {"12.5", "12.5", 12}};
    for (const auto& [typed, text, stored] : cases) {
        SCOPED_TRACE(typed);
        std::string shown = goto_rule(typed);
        EXPECT_EQ(shown, text);
        EXPECT_EQ(goto_value(shown), stored);
    }
}

TEST(TextFile, LinesEndAtCrAndEachGetsCrLf) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        // LF alone stays inside the one line
        {"a\nb\n", "a\nb\n\r\n"},
        {"a\rb", "a\r\nb\r\n"},
        {"x\n\r\ny", "x\n\r\ny\r\n"},
        {"", ""},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(text_from_file_bytes(bytes), text) << bytes;
}

TEST(TextFileName, RefusedNamesAndTheExtension) {
    const std::tuple<std::string, NameTest, bool, std::string> cases[] = {
        {"   ", NameTest::Trimmed, true, ""},
        {".txt", NameTest::Plain, true, ""},
        {".TXT", NameTest::Trimmed, true, ""},
        {"brief", NameTest::Trimmed, false, "brief.txt"},
        {"Brief.TXT", NameTest::Plain, false, "Brief.TXT"},
        {".abc", NameTest::Plain, false, ".abc.txt"},
        {".abc", NameTest::Trimmed, true, ""},
        {"brief.txt ", NameTest::Trimmed, false, "brief.txt "},
    };
    for (const auto& [text, test, refused, with_ext] : cases) {
        SCOPED_TRACE(text + (test == NameTest::Plain ? " plain" : " trimmed"));
        EXPECT_EQ(text_name_refused(text, ".txt", test), refused);
        EXPECT_EQ(refused ? "" : text_name_with_extension(text, ".txt", test), with_ext);
    }
}

// The Save-as name of a campaign, and the names the other choosers hand to a field.
TEST(FileCommands, TypedNamesAreFoldedAndGetTheirExtension) {
    EXPECT_EQ(save_as_name("   "_path), "newcamp.cam"_path);
    EXPECT_EQ(save_as_name(" Old.CAM "_path), "old.cam"_path);
    EXPECT_EQ(save_as_name("a.cam.bak"_path), "a.cam.bak.cam"_path);
    EXPECT_EQ(check_name(" Intro.SMK", ".smk"), "intro.smk");
    EXPECT_EQ(check_name("  ", ".mus"), "");
    EXPECT_EQ(check_name("brief", ".txt"), "brief.txt");
    // A name already ending in the extension, in any letter case, is left alone.
    std::string upper = "INTRO.SMK", other = "a.txt";
    EXPECT_FALSE(append_extension(upper, ".smk"));
    EXPECT_TRUE(append_extension(other, ".deu"));
    EXPECT_EQ(upper + " " + other, "INTRO.SMK a.txt.deu");
}

TEST(FileCommands, ExitAsksAboutWhatChangedAndEndsOnlyOnNo) {
    const std::string both = "Both Campaign and ini-file for MF7-editor has changed. Do you wish "
                             "to save the changes?";
    const std::tuple<bool, bool, Answer, std::string, bool> cases[] = {
        {false, false, Answer::Yes, "", true},
        {true, false, Answer::Yes,
         "Campaign has changed. Do you wish to save the changes to the campaign.", false},
        {false, true, Answer::Yes,
         "MF7-editor ini-file has changed. Do you wish to save the changes?", false},
        {true, true, Answer::No, both, true},
    };
    for (const auto& [campaign, settings, answer, question, ends] : cases) {
        EditorState st;
        st.campaign_changed = campaign;
        st.settings.settings_changed = settings;
        RecordingMessages msgs;
        msgs.answers = {answer};
        EXPECT_EQ(exit_may_end(st, msgs), ends);
        EXPECT_EQ(msgs.texts(), question.empty() ? Texts{} : Texts{question});
        for (const auto& shown : msgs.shown)
            EXPECT_EQ(shown.buttons, Buttons::YesNo);
    }
}
