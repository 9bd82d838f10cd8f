#include "model/file_commands.h"

#include "model/state.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

TEST(FileCommands, SaveAsName) {
    struct Case {
        const char* typed;
        const char* name;
    } cases[] = {{"MyCamp", "mycamp.cam"},
                 {"", "newcamp.cam"},
                 {"   ", "newcamp.cam"},
                 {" Old.CAM ", "old.cam"},
                 {"a.cam.bak", "a.cam.bak.cam"}};
    for (const auto& c : cases)
        EXPECT_EQ(save_as_name(c.typed), c.name) << c.typed;
}

TEST(FileCommands, CheckNameForEachFieldType) {
    struct Case {
        const char* name;
        const char* ext;
        const char* result;
    } cases[] = {{"INTRO", ".smk", "intro.smk"},
                 {"Intro.SMK", ".smk", "intro.smk"},
                 {"  ", ".mus", ""},
                 {"brief", ".txt", "brief.txt"},
                 {"brief.deu", ".txt", "brief.deu.txt"},
                 {"Poland.scn", ".scn", "poland.scn"}};
    for (const auto& c : cases)
        EXPECT_EQ(check_name(c.name, c.ext), c.result) << c.name;
}

TEST(FileCommands, ExitAsksAboutWhatChangedAndEndsOnlyOnNo) {
    const std::string campaign =
        "Campaign has changed. Do you wish to save the changes to the campaign.";
    const std::string ini = "MF7-editor ini-file has changed. Do you wish to save the changes?";
    const std::string both = "Both Campaign and ini-file for MF7-editor has changed. Do you wish "
                             "to save the changes?";
    struct Case {
        bool campaign_changed, settings_changed;
        Answer answer;
        std::string question; // empty: nothing asked
        bool ends;
    } cases[] = {
        {false, false, Answer::Yes, "", true},     {true, false, Answer::Yes, campaign, false},
        {true, false, Answer::No, campaign, true}, {false, true, Answer::Yes, ini, false},
        {false, true, Answer::No, ini, true},      {true, true, Answer::Yes, both, false},
        {true, true, Answer::No, both, true},
    };
    for (const auto& c : cases) {
        EditorState st;
        st.campaign_changed = c.campaign_changed;
        st.settings.settings_changed = c.settings_changed;
        RecordingMessages msgs;
        msgs.answers = {c.answer};
        EXPECT_EQ(exit_may_end(st, msgs), c.ends);
        if (c.question.empty()) {
            EXPECT_TRUE(msgs.shown.empty());
        } else {
            ASSERT_EQ(msgs.shown.size(), 1u);
            EXPECT_EQ(msgs.shown[0].text, c.question);
            EXPECT_EQ(msgs.shown[0].buttons, Buttons::YesNo);
        }
    }
}
