#include "model/chooser_targets.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

class ChooserTest : public ::testing::Test, public DemoGame {};

// The chosen name goes to the field lower case and trimmed, with the field's extension; any other
// control (0: a chooser that worked for no field of the editor) is reported as a bug.
TEST_F(ChooserTest, HandsTheNormalisedNameToItsFieldOnly) {
    state.settings.set_mf7text("*.deu");
    const std::string bug = "F2-E01: This program has got a bug, please report the errornumber.";
    // The control, the chosen name and the field's text (none for a refused control).
    const std::tuple<int, std::string, std::string> cases[] = {
        {6, "SEDAN.SCN", "sedan.scn"}, {44, "  INTRO ", "intro.smk"}, {42, "a.smk", "a.smk.mus"},
        {9, "Brief", "brief.deu"},     {1, "some.smk", ""},           {10, "some.smk", ""},
        {45, "some.smk", ""},          {0, "some.smk", ""},
    };
    for (const auto& [control, name, text] : cases) {
        SCOPED_TRACE(control);
        msgs.clear();
        ChooserDispatch d = dispatch_to_editor(state, control, name, msgs);
        const bool refused = text.empty();
        EXPECT_EQ(d.applied, !refused);
        EXPECT_EQ(d.control, refused ? 0 : control);
        EXPECT_EQ(d.text, text);
        if (refused) {
            EXPECT_EQ(msgs.texts(), std::vector{bug});
        }
    }
}

TEST_F(ChooserTest, ScenarioFileNeedsAStartDateFromTheReader) {
    EXPECT_EQ(dispatch_to_editor(state, 6, "MALTA.SCN", msgs).label3,
              "Main country for this scenario is: Italy");
    // A missing file gives "**not found**", which lets the name through with the country the
    // reader found last.
    ChooserDispatch d = dispatch_to_editor(state, 6, "nothere", msgs);
    EXPECT_EQ(d.text, "nothere.scn");
    EXPECT_EQ(d.label3, "Main country for this scenario is: Italy");
    EXPECT_TRUE(msgs.shown.empty());

    demo::ScnSpec three;
    three.player3_country = 7;
    write_scenario(state.settings, "three.scn", three);
    d = dispatch_to_editor(state, 6, "three.scn", msgs);
    EXPECT_FALSE(d.applied);
    EXPECT_EQ(msgs.shown.size(), 1u); // the reader's message
}
