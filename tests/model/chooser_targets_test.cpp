#include "model/chooser_setup.h"
#include "model/chooser_targets.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

namespace {

// The demo game's state and the messages shown.
class ChooserTest : public ::testing::Test, public DemoGame {
  protected:
    ChooserDispatch pick(ChooserTarget target, const std::string& name) {
        state.chooser_target = target;
        state.chooser_result = name;
        return dispatch_to_editor(state, msgs);
    }
};

} // namespace

// Each name field's chooser: its folder, pattern and button, and the editor it returns to, which
// disabled itself; the chosen name goes to the field lower case and trimmed, with the field's
// extension.
TEST_F(ChooserTest, NameFieldsHaveTheirChooserAndTakeTheNormalisedName) {
    state.settings.set_mf7text("*.deu");
    const Settings& s = state.settings;
    struct Case {
        int control;
        std::string folder, pattern, button, in, out;
    } cases[] = {
        {6, s.mf7_scn, "*.scn", "Use scn-filename", "SEDAN.SCN", "sedan.scn"},
        {44, s.mf7_smk, "*.smk", "Use smk-filename", "  INTRO ", "intro.smk"},
        {42, s.mf7_mus, "*.mus", "Use mus-filename", "a.smk", "a.smk.mus"},
        {9, s.mf7_txt, "*.deu", "Use deu-filename", "Brief", "brief.deu"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        auto setup = editor_field_chooser(s, ChooserTarget::editor_field(c.control));
        ASSERT_TRUE(setup);
        EXPECT_EQ(setup->caption, "Select filename.");
        EXPECT_EQ(setup->folder, c.folder);
        EXPECT_EQ(setup->pattern, c.pattern);
        EXPECT_EQ(setup->button_caption, c.button);
        EXPECT_EQ(setup->return_window, WindowId::ScenarioEditor);
        EXPECT_FALSE(setup->disable_caller);
        ChooserDispatch d = pick(ChooserTarget::editor_field(c.control), c.in);
        EXPECT_TRUE(d.applied);
        EXPECT_EQ(d.control, c.control);
        EXPECT_EQ(d.text, c.out);
    }
}

TEST_F(ChooserTest, AnyOtherTargetHasNoChooserAndIsReportedAsABug) {
    for (ChooserTarget target :
         {ChooserTarget::editor_field(1), ChooserTarget::editor_field(10),
          ChooserTarget::editor_field(45), ChooserTarget::overview_field(6), ChooserTarget{}}) {
        SCOPED_TRACE(target.control);
        msgs.clear();
        EXPECT_FALSE(editor_field_chooser(state.settings, target));
        EXPECT_FALSE(pick(target, "some.smk").applied);
        EXPECT_EQ(msgs.texts(),
                  std::vector<std::string>{
                      "F2-E01: This program has got a bug, please report the errornumber."});
        EXPECT_EQ(state.chooser_result, "some.smk");
    }
}

TEST_F(ChooserTest, ScenarioFileNeedsAStartDateFromTheReader) {
    EXPECT_EQ(pick(ChooserTarget::editor_field(6), "MALTA.SCN").label3,
              "Main country for this scenario is: Italy");
    // A missing file gives "**not found**", which lets the name through with the country the
    // reader found last.
    ChooserDispatch d = pick(ChooserTarget::editor_field(6), "nothere");
    EXPECT_EQ(d.text, "nothere.scn");
    EXPECT_EQ(d.label3, "Main country for this scenario is: Italy");
    EXPECT_TRUE(msgs.shown.empty());

    demo::ScnSpec three;
    three.player3_country = 7;
    write_scenario(state.settings, "three.scn", three);
    d = pick(ChooserTarget::editor_field(6), "three.scn");
    EXPECT_FALSE(d.applied);
    EXPECT_EQ(msgs.shown.size(), 1u); // the reader's message
}
