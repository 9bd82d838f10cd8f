#include "model/file_commands.h"

#include "model/field_rules.h"
#include "model/state.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mf7;
using namespace mf7::test;
using Texts = std::vector<std::string>;

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
