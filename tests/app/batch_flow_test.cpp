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
    // The demo's arrows, an alternative goto with the scenario it waits for.
    struct Arrow {
        int from;
        const char* outcome;
        int to, if_played = 0;
    } arrows[] = {{0, "BV", 1},   {0, "V", 1},   {0, "TV", 1},   {0, "L", 255},   {1, "BV", 2},
                  {1, "V", 2},    {1, "TV", 3},  {1, "L", 255},  {2, "BV", 4},    {2, "V", 4},
                  {2, "V", 5, 3}, {2, "TV", 3},  {2, "L", 255},  {3, "BV", 4},    {3, "V", 4},
                  {3, "TV", 4},   {3, "L", 255}, {4, "BV", 5},   {4, "V", 5},     {4, "TV", 6},
                  {4, "L", 255},  {5, "BV", 6},  {5, "V", 6},    {5, "TV", 6},    {5, "L", 255},
                  {6, "BV", 7},   {6, "V", 7},   {6, "TV", 7},   {6, "TV", 7, 5}, {6, "L", 255},
                  {7, "BV", 254}, {7, "V", 254}, {7, "TV", 254}, {7, "L", 255}};
    for (const Arrow& a : arrows) {
        const char* kind = a.to == 254 ? "win" : a.to == 255 ? "lose" : "scenario";
        edges += std::string(edges.empty() ? "" : ",") + "{\"from\":" + std::to_string(a.from) +
                 ",\"outcome\":\"" + a.outcome + "\",\"to\":" + std::to_string(a.to) +
                 ",\"kind\":\"" + kind + "\"" +
                 (a.if_played ? ",\"if_played\":" + std::to_string(a.if_played) : "") + "}";
    }
    EXPECT_EQ(out, "{\"scenarios\":[" + scenarios + "],\"edges\":[" + edges + "]}\n");
}

// A count of 0 shows one scenario in the overview, and the analysis plays that one.
TEST(BatchFlow, CountZeroPlaysTheScenarioShown) {
    FlowBatch game;
    game.state.campaign.scenario_count = 0;
    ASSERT_TRUE(demo::write_bytes(game.campaign_path(), campaign_to_bytes(game.state.campaign)));
    std::string out;
    EXPECT_EQ(game.run({"flow"}, out), 1);
    std::string broken;
    for (const char* outcome : {"BV", "V", "TV"})
        broken += std::string("Scenario 0 goes to 1 on outcome ") + outcome +
                  ", which is no scenario and no ending.\n";
    EXPECT_EQ(out, "Every scenario can be reached from the first.\n"
                   "No path from the first scenario reaches a win (254).\n"
                   "A loss can be reached; the shortest path plays 1 scenario.\n" +
                       broken);
}
