#include "model/file_commands.h"

#include "model/state.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mf7;
using namespace mf7::test;

TEST(FileCommands, SaveAsName) {
    const std::pair<const char*, const char*> cases[] = {{"MyCamp", "mycamp.cam"},
                                                         {"   ", "newcamp.cam"},
                                                         {" Old.CAM ", "old.cam"},
                                                         {"a.cam.bak", "a.cam.bak.cam"}};
    for (const auto& [typed, name] : cases)
        EXPECT_EQ(save_as_name(typed), name) << typed;
}

TEST(FileCommands, CheckNameForEachFieldType) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {" Intro.SMK", ".smk", "intro.smk"}, {"  ", ".mus", ""}, {"brief", ".txt", "brief.txt"}};
    for (const auto& [name, ext, result] : cases)
        EXPECT_EQ(check_name(name, ext), result) << name;
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
        {false, false, Answer::Yes, "", true},  {true, false, Answer::Yes, campaign, false},
        {false, true, Answer::Yes, ini, false}, {true, true, Answer::Yes, both, false},
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
