#include "model/campaign_flow.h"
#include "reports/flow_report.h"

#include <gtest/gtest.h>

#include <ranges>

using namespace mf7;

namespace mf7 {
void PrintTo(const CampaignFlow& flow, std::ostream* os) {
    *os << flow_json(flow);
}
} // namespace mf7

namespace {

// One outcome: goto, and the alternative (if_played, then_goto) when it has one.
struct Go {
    int go, if_played = 0, then_goto = 0;
};
using Scn = std::array<Go, kOutcomes>;

CampaignRecord campaign(const std::vector<Scn>& scns) {
    CampaignRecord cam;
    reset_campaign(cam);
    cam.scenario_count = static_cast<int16_t>(scns.size());
    for (std::size_t i = 0; i < scns.size(); ++i)
        for (std::size_t k = 0; k < kOutcomes; ++k) {
            OutcomeRecord& o = cam.scenarios[i].outcome[k];
            o.goto_scn = static_cast<int16_t>(scns[i][k].go);
            o.if_played = static_cast<int16_t>(scns[i][k].if_played);
            o.then_goto = static_cast<int16_t>(scns[i][k].then_goto);
        }
    return cam;
}

Scn to(int next) {
    return {Go{next}, Go{next}, Go{next}, Go{255}};
}

// Scenarios 0 to 16 in a row, scenario i from `first` on going to 60 while 17 - i has not been
// played (so only up to i = 8); 17 wins.
std::vector<Scn> alternatives(int first) {
    std::vector<Scn> scns;
    for (int i = 0; i < 17; ++i)
        scns.push_back({Go{i + 1, i < first ? 0 : 17 - i, 60}, Go{i + 1}, Go{i + 1}, Go{255}});
    scns.push_back(to(254));
    return scns;
}

// The findings' lines for broken_bv(from, to).
std::string broken_lines(int from, int to) {
    std::string out;
    for (int i = from; i < to; ++i)
        out += "Scenario " + std::to_string(i) +
               " goes to 60 on outcome BV, which is no scenario and no ending.\n";
    return out;
}

std::vector<int> numbers(int from, int to) {
    auto range = std::views::iota(from, to);
    return {range.begin(), range.end()};
}

// Scenarios from to to - 1 going to 60 on BV.
std::vector<BrokenEnd> broken_bv(int from, int to) {
    std::vector<BrokenEnd> b;
    for (int i = from; i < to; ++i)
        b.push_back({i, BV, 60});
    return b;
}

// Scenarios 0 to n - 1 in a row, the last winning.
std::vector<Scn> row(int n) {
    std::vector<Scn> scns;
    for (int i = 0; i + 1 < n; ++i)
        scns.push_back(to(i + 1));
    scns.push_back(to(254));
    return scns;
}

const std::string kReached = "Every scenario can be reached from the first.\n",
                  kNoWin = "No path from the first scenario reaches a win (254).\n",
                  kLose = "A loss can be reached; the shortest path plays 1 scenario.\n";

struct Case {
    const char* name;
    std::vector<Scn> scns;
    CampaignFlow want;
    // The findings as mf7batch flow prints them, and its exit status, where pinned.
    std::string says = "";
    int status = 0;
};

const Case kCases[] = {
    {"only the reached goto to 60 is broken",
     {{Go{1}, Go{1}, Go{60}, Go{255}}, to(254), to(60)},
     {true, {0, 1}, {2}, true, true, {{0, TV, 60}}, {}, 2, 1}},
    {"alternative naming a scenario never played",
     {to(2), to(254), {Go{254, 1, 3}, Go{254}, Go{254}, Go{255}}, to(254)},
     {true, {0, 2, 3}, {1}, true, true, {}, {}, 2, 1}},
    {"alternative naming the scenario itself, just played",
     {to(1), {Go{60, 1, 254}, Go{254}, Go{254}, Go{255}}},
     {true, {0, 1}, {}, true, true, {{1, BV, 60}}, {}, 2, 1}},
    {"alternatives naming no scenario, and a negative one that is none",
     {{Go{60, 40, 254}, Go{60, -1, 254}, Go{254}, Go{255}}},
     {true, {0}, {}, true, true, {{0, V, 60}}, {}, 1, 1}},
    {"ending only through the next scenario",
     {{Go{1}, Go{1}, Go{1}, Go{1}}, to(254)},
     {true, {0, 1}, {}, true, true, {}, {}, 2, 2}},
    {"loop with no way out",
     {to(1), {Go{2}, Go{2}, Go{2}, Go{2}}, {Go{1}, Go{1}, Go{1}, Go{1}}},
     {true, {0, 1, 2}, {}, false, true, {}, {1, 2}, {}, 1},
     kReached + kNoWin + kLose +
         "A player can go round for ever, with no ending reachable, from scenarios 1 and 2.\n",
     1},
    {"loop left once a scenario was played",
     {{Go{1}, Go{2}, Go{1}, Go{255}},
      {Go{254, 2, 1}, Go{254, 2, 1}, Go{254, 2, 1}, Go{254, 2, 1}},
      to(1)},
     {true, {0, 1, 2}, {}, true, true, {}, {1}, 3, 1},
     kReached + "A win can be reached; the shortest path plays 3 scenarios.\n" + kLose +
         "A player can go round for ever, with no ending reachable, from scenario 1.\n",
     1},
    {"loop 1-2, even on L, left once 2 was played",
     {to(1),
      {Go{254, 2, 2}, Go{254, 2, 2}, Go{254, 2, 2}, Go{254, 2, 2}},
      {Go{1}, Go{1}, Go{1}, Go{1}}},
     {true, {0, 1, 2}, {}, true, true, {}, {}, 4, 1},
     kReached + "A win can be reached; the shortest path plays 4 scenarios.\n" + kLose +
         "Every path through the campaign ends.\n"},
    {"33 scenarios, two never reached",
     [] {
         std::vector<Scn> s = row(33);
         s[30] = to(254);
         return s;
     }(),
     {true, numbers(0, 31), {31, 32}, true, true, {}, {}, 31, 1},
     "No path from the first scenario reaches scenarios 31 and 32.\n"
     "A win can be reached; the shortest path plays 31 scenarios.\n"
     "A loss can be reached; the shortest path plays 1 scenario.\n",
     1},
    {"more than 16 alternatives",
     alternatives(0),
     {false, numbers(0, 18), {}, true, true, broken_bv(0, 17), {}, 18, 1},
     "More than 16 scenarios are named by alternative gotos: each alternative was followed both "
     "ways, so what follows may find paths the game never takes.\n" +
         kReached + "A win can be reached; the shortest path plays 18 scenarios.\n" + kLose +
         broken_lines(0, 17),
     1},
    {"16 alternatives: only the real broken gotos",
     alternatives(1),
     {true, numbers(0, 18), {}, true, true, broken_bv(1, 9), {}, 18, 1},
     kReached + "A win can be reached; the shortest path plays 18 scenarios.\n" + kLose +
         broken_lines(1, 9),
     1},
    {"count 0 plays the one scenario shown", {}, {true, {0}, {}, false, false, {}, {0}, {}, {}}},
};

TEST(CampaignFlow, FollowsEveryOutcome) {
    for (const Case& c : kCases) {
        CampaignRecord cam = campaign(c.scns);
        CampaignFlow flow = analyse_flow(cam);
        EXPECT_EQ(flow, c.want) << c.name;
        if (c.says.empty())
            continue;
        EXPECT_EQ(flow_text(flow, played_count(cam)), c.says) << c.name;
        EXPECT_EQ(flow_is_sound(flow) ? 0 : 1, c.status) << c.name;
    }
}

} // namespace
