#include "model/chooser_targets.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mf7;
using namespace mf7::test;

TEST(EditorChooserSetup, FolderPatternCaptionAndExtensionPerField) {
    Settings s = demo::demo_settings("/game");
    s.set_mf7text("*.deu");
    struct Case {
        int control;
        std::string folder, pattern, button, ext;
    } cases[] = {
        {6, s.mf7_scn, "*.scn", "Use scn-filename", ".scn"},
        {44, s.mf7_smk, "*.smk", "Use smk-filename", ".smk"},
        {42, s.mf7_mus, "*.mus", "Use mus-filename", ".mus"},
        {9, s.mf7_txt, "*.deu", "Use deu-filename", ".deu"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        auto setup = editor_chooser_setup(s, ChooserTarget::editor_field(c.control));
        ASSERT_TRUE(setup);
        EXPECT_EQ(setup->caption, "Select filename.");
        EXPECT_EQ(setup->folder, c.folder);
        EXPECT_EQ(setup->pattern, c.pattern);
        EXPECT_EQ(setup->button_caption, c.button);
        EXPECT_EQ(setup->extension, c.ext);
    }
    for (int control : {1, 10, 45})
        EXPECT_FALSE(editor_chooser_setup(s, ChooserTarget::editor_field(control))) << control;
    EXPECT_FALSE(editor_chooser_setup(s, ChooserTarget::overview_field(6)));
}

TEST(ChooserChecks, LowerCaseTrimmedWithTheExtension) {
    EditorState state;
    state.settings.set_mf7text("*.txt");
    const std::tuple<void (*)(EditorState&), std::string, std::string> cases[] = {
        {check_smk, "  INTRO ", "intro.smk"},
        {check_mus, "a.smk", "a.smk.mus"},
        {check_txt, "Brief", "brief.txt"},
        {check_scn, "SEDAN.SCN", "sedan.scn"},
    };
    for (const auto& [check, in, out] : cases) {
        state.chooser_result = in;
        check(state);
        EXPECT_EQ(state.chooser_result, out) << in;
    }
}

class DispatchTest : public ::testing::Test {
  protected:
    DemoGame game;
    RecordingMessages& msgs = game.msgs;
    EditorState& state = game.state;
    ChooserDispatch pick(ChooserTarget target, const std::string& name) {
        state.chooser_target = target;
        state.chooser_result = name;
        return dispatch_to_editor(state, msgs);
    }
};

TEST_F(DispatchTest, ScenarioFileNeedsAStartDateFromTheReader) {
    ChooserDispatch d = pick(ChooserTarget::editor_field(6), "MALTA.SCN");
    EXPECT_TRUE(d.applied);
    EXPECT_EQ(d.control, 6);
    EXPECT_EQ(d.text, "malta.scn");
    EXPECT_EQ(d.label3, "Main country for this scenario is: Italy");

    // A missing file gives "**not found**", which lets the name through with the country the
    // reader found last.
    d = pick(ChooserTarget::editor_field(6), "nothere");
    EXPECT_TRUE(d.applied);
    EXPECT_EQ(d.text, "nothere.scn");
    EXPECT_EQ(d.label3, "Main country for this scenario is: Italy");
    EXPECT_TRUE(msgs.shown.empty());

    demo::ScnSpec three;
    three.player3_country = 7;
    write_scenario(state.settings, "three.scn", three);
    d = pick(ChooserTarget::editor_field(6), "three.scn");
    EXPECT_FALSE(d.applied);
    EXPECT_FALSE(d.label3);
    EXPECT_EQ(msgs.shown.size(), 1u); // the reader's message
}

TEST_F(DispatchTest, AnyOtherTargetIsReportedAsABug) {
    for (ChooserTarget target :
         {ChooserTarget::editor_field(11), ChooserTarget::overview_field(6), ChooserTarget{}}) {
        SCOPED_TRACE(target.control);
        msgs.clear();
        EXPECT_FALSE(pick(target, "some.smk").applied);
        EXPECT_EQ(msgs.texts(),
                  std::vector<std::string>{
                      "F2-E01: This program has got a bug, please report the errornumber."});
        EXPECT_EQ(state.chooser_result, "some.smk");
    }
}
