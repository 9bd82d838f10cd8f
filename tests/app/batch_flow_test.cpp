#include "app/batch.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace mf7;
using namespace mf7::test;

namespace {

// The demo game with its settings file beside the (pretended) program.
struct FlowBatch : DemoGame {
    FlowBatch() { EXPECT_TRUE(write_settings(state.settings, "3.0.1", dir.path(), msgs)); }
    int run(std::vector<std::string> args, std::string& out) {
        args.insert(args.begin() + 1, campaign_path().str());
        std::ostringstream o, e;
        int status = run_batch(paths(args), dir.path(), o, e);
        out = o.str();
        return status;
    }
};

} // namespace

TEST(BatchFlow, DemoCampaignAsJson) {
    FlowBatch game;
    std::string out;
    EXPECT_EQ(game.run({"flow", "--json"}, out), 0);
    EXPECT_EQ(out, "{\"exact\":true,\"reachable\":[0,1,2,3,4,5,6,7],\"unreachable\":[],"
                   "\"can_win\":true,\"can_lose\":true,\"broken\":[],\"trapped\":[],"
                   "\"shortest_win\":6,\"shortest_lose\":1}\n");
    // Scenario 7 goes to the last scenario, one past it, and below 0, and wins unless scenario 1
    // was played.
    OutcomeRecord* seelow = game.state.campaign.scenarios[7].outcome.data();
    seelow[BV].goto_scn = 7, seelow[V].goto_scn = 8, seelow[TV].goto_scn = -2;
    seelow[V].if_played = 1, seelow[V].then_goto = 254;
    ASSERT_TRUE(demo::write_bytes(game.campaign_path(), campaign_to_bytes(game.state.campaign)));
    EXPECT_EQ(game.run({"graph"}, out), 0);
    const std::pair<const char*, const char*> files[] = {
        {"POLAND", "1 SEP  1939"},   {"NORWAY", "9 APR  1940"}, {"SEDAN", "13 MAY  1940"},
        {"DUNKIRK", "26 MAY  1940"}, {"CRETE", "20 MAY  1941"}, {"MALTA", "2 JUL  1942"},
        {"KHARKOV", "19 FEB  1943"}, {"SEELOW", "16 APR  1945"}};
    std::string scenarios, edges;
    for (int n = 0; n < 8; ++n)
        scenarios += std::string(n ? "," : "") + "{\"number\":" + std::to_string(n) +
                     ",\"file\":\"" + files[n].first + ".SCN\",\"date\":\"" + files[n].second +
                     "\",\"found\":true}";
    // The demo's arrows: scenarios 0 to 6 go on BV, V and TV to these scenarios and on L to 255
    // (lose); two alternatives, with the scenario they wait for, follow their outcome's goto.
    const int next[7][3] = {{1, 1, 1}, {2, 2, 3}, {4, 4, 3}, {4, 4, 4},
                            {5, 5, 6}, {6, 6, 6}, {7, 7, 7}};
    auto edge = [&](int from, const char* outcome, int to, int if_played, const char* kind) {
        edges += std::string(edges.empty() ? "" : ",") + "{\"from\":" + std::to_string(from) +
                 ",\"outcome\":\"" + outcome + "\",\"to\":" + std::to_string(to) + ",\"kind\":\"" +
                 kind + "\"" + (if_played ? ",\"if_played\":" + std::to_string(if_played) : "") +
                 "}";
    };
    const char* outcomes[] = {"BV", "V", "TV"};
    for (int from = 0; from < 7; ++from) {
        for (int o = 0; o < 3; ++o) {
            edge(from, outcomes[o], next[from][o], 0, "scenario");
            if ((from == 2 && o == 1) || (from == 6 && o == 2))
                edge(from, outcomes[o], from == 2 ? 5 : 7, from == 2 ? 3 : 5, "scenario");
        }
        edge(from, "L", 255, 0, "lose");
    }
    edge(7, "BV", 7, 0, "scenario");
    edge(7, "V", 8, 0, "invalid");
    edge(7, "V", 254, 1, "win");
    edge(7, "TV", -2, 0, "invalid");
    edge(7, "L", 255, 0, "lose");
    EXPECT_EQ(out, "{\"scenarios\":[" + scenarios + "],\"edges\":[" + edges + "]}\n");
}

// The findings word for word and the exit status: the demo, the demo with its last scenario
// going round for ever, and a count of 0, which shows one scenario that the analysis plays.
TEST(BatchFlow, FindingsAndExitStatus) {
    const std::string reached = "Every scenario can be reached from the first.\n",
                      no_win = "No path from the first scenario reaches a win (254).\n",
                      lose = "A loss can be reached; the shortest path plays 1 scenario.\n";
    std::string broken;
    for (const char* outcome : {"BV", "V", "TV"})
        broken += std::string("Scenario 0 goes to 1 on outcome ") + outcome +
                  ", which is no scenario and no ending.\n";
    const struct {
        int count, seelow_goto;
        int status;
        std::string says;
    } cases[] = {
        {8, 254, 0,
         reached + "A win can be reached; the shortest path plays 6 scenarios.\n" + lose +
             "Every path through the campaign ends.\n"},
        {8, 7, 1,
         reached + no_win + lose +
             "A player can go round for ever, with no ending reachable, from scenario 7.\n"},
        {0, 254, 1, reached + no_win + lose + broken},
    };
    for (const auto& c : cases) {
        FlowBatch game;
        game.state.campaign.scenario_count = static_cast<int16_t>(c.count);
        for (OutcomeRecord& o : game.state.campaign.scenarios[7].outcome)
            o.goto_scn = static_cast<int16_t>(c.seelow_goto);
        ASSERT_TRUE(
            demo::write_bytes(game.campaign_path(), campaign_to_bytes(game.state.campaign)));
        std::string out;
        EXPECT_EQ(game.run({"flow"}, out), c.status) << c.says;
        EXPECT_EQ(out, c.says);
    }
}
