#include "model/campaign_flow.h"
#include "reports/flow_report.h"

#include <gtest/gtest.h>

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

// Seventeen scenarios 0 to 16 in a row, scenario i asking whether 17 - i was played (true
// only from i = 9 on) to go to 60; 17 wins.
std::vector<Scn> many_alternatives() {
    std::vector<Scn> scns;
    for (int i = 0; i < 17; ++i)
        scns.push_back({Go{i + 1, 17 - i, 60}, Go{i + 1}, Go{i + 1}, Go{255}});
    scns.push_back(to(254));
    return scns;
}

std::vector<BrokenEnd> all_broken_bv(int n) {
    std::vector<BrokenEnd> b;
    for (int i = 0; i < n; ++i)
        b.push_back({i, BV, 60});
    return b;
}

std::vector<int> upto(int n) {
    std::vector<int> v;
    for (int i = 0; i < n; ++i)
        v.push_back(i);
    return v;
}

struct Case {
    const char* name;
    std::vector<Scn> scns;
    CampaignFlow want;
};

const Case kCases[] = {
    {"chain to a win", {to(1), to(2), to(254)}, {true, {0, 1, 2}, {}, true, true, {}, {}, 3, 1}},
    {"no win", {to(1), to(255)}, {true, {0, 1}, {}, false, true, {}, {}, {}, 1}},
    {"unreachable scenario", {to(254), to(254)}, {true, {0}, {1}, true, true, {}, {}, 1, 1}},
    {"only the reached goto to 60 is broken",
     {{Go{1}, Go{1}, Go{60}, Go{255}}, to(254), to(60)},
     {true, {0, 1}, {2}, true, true, {{0, TV, 60}}, {}, 2, 1}},
    {"alternative after a side scenario",
     {{Go{1}, Go{2}, Go{2}, Go{255}}, to(2), {Go{254, 1, 3}, Go{254}, Go{254}, Go{255}}, to(254)},
     {true, {0, 1, 2, 3}, {}, true, true, {}, {}, 2, 1}},
    {"alternative naming a scenario never played",
     {to(2), to(254), {Go{254, 1, 3}, Go{254}, Go{254}, Go{255}}, to(254)},
     {true, {0, 2}, {1, 3}, true, true, {}, {}, 2, 1}},
    {"alternative naming the scenario itself",
     {to(1), {Go{60, 1, 254}, Go{254}, Go{254}, Go{255}}},
     {true, {0, 1}, {}, true, true, {}, {}, 2, 1}},
    {"ending only through the next scenario",
     {{Go{1}, Go{1}, Go{1}, Go{1}}, to(254)},
     {true, {0, 1}, {}, true, true, {}, {}, 2, 2}},
    {"loop with no way out",
     {to(1), {Go{2}, Go{2}, Go{2}, Go{2}}, {Go{1}, Go{1}, Go{1}, Go{1}}},
     {true, {0, 1, 2}, {}, false, true, {}, {1, 2}, {}, 1}},
    {"loop left once a scenario was played",
     {{Go{1}, Go{2}, Go{1}, Go{255}},
      {Go{1, 2, 254}, Go{1, 2, 254}, Go{1, 2, 254}, Go{1, 2, 254}},
      to(1)},
     {true, {0, 1, 2}, {}, true, true, {}, {1}, 3, 1}},
    {"more than 16 alternatives",
     many_alternatives(),
     {false, upto(18), {}, true, true, all_broken_bv(17), {}, 18, 1}},
    {"count 0", {}, {true, {}, {}, false, false, {}, {}, {}, {}}},
    {"count 1", {to(254)}, {true, {0}, {}, true, true, {}, {}, 1, 1}},
};

TEST(CampaignFlow, FollowsEveryOutcome) {
    for (const Case& c : kCases) {
        EXPECT_EQ(analyse_flow(campaign(c.scns)), c.want) << c.name;
    }
}

// With one alternative fewer the played set is followed: only the real broken gotos remain.
TEST(CampaignFlow, FollowsSixteenAlternativesExactly) {
    std::vector<Scn> scns = many_alternatives();
    scns[0][BV] = Go{1};
    CampaignFlow flow = analyse_flow(campaign(scns));
    EXPECT_TRUE(flow.exact);
    std::vector<BrokenEnd> all = all_broken_bv(17);
    EXPECT_EQ(flow.broken, std::vector<BrokenEnd>(all.begin() + 9, all.end()));
}

} // namespace
