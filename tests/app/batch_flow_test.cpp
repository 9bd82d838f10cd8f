#include "support/batch_run.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

TEST(BatchFlow, DemoCampaignAsJson) {
    DemoBatch game;
    EXPECT_EQ(game.run({"flow", "$cam", "--json"}).out,
              "{\"exact\":true,\"reachable\":[0,1,2,3,4,5,6,7],\"unreachable\":[],"
              "\"can_win\":true,\"can_lose\":true,\"broken\":[],\"trapped\":[],"
              "\"shortest_win\":6,\"shortest_lose\":1}\n");
    // Scenario 7 goes to the last scenario, one past it, and below 0, and wins unless scenario 1
    // was played.
    OutcomeRecord* seelow = game.state.campaign.scenarios[7].outcome.data();
    seelow[BV].goto_scn = 7, seelow[V].goto_scn = 8, seelow[TV].goto_scn = -2;
    seelow[V].if_played = 1, seelow[V].then_goto = 254;
    game.save();
    BatchRun r = game.run({"graph", "$cam"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("{\"scenarios\":[{\"number\":0,\"file\":\"POLAND.SCN\",\"date\":"
                                  "\"1 SEP  1939\",\"found\":true},{\"number\":1,"))
        << r.out;
    // Scenarios 0 to 6 have an arrow per outcome and the demo two alternatives; 7 has five.
    std::size_t edges = 0;
    for (std::size_t at = r.out.find("{\"from\":"); at != std::string::npos;
         at = r.out.find("{\"from\":", at + 1))
        ++edges;
    EXPECT_EQ(edges, 7u * 4 + 2 + 5);
    for (const char* edge :
         {"\"found\":true}],\"edges\":[{\"from\":0,\"outcome\":\"BV\",\"to\":1,\"kind\":"
          "\"scenario\"},",
          "{\"from\":2,\"outcome\":\"V\",\"to\":5,\"kind\":\"scenario\",\"if_played\":3}",
          "{\"from\":6,\"outcome\":\"L\",\"to\":255,\"kind\":\"lose\"}",
          "{\"from\":7,\"outcome\":\"BV\",\"to\":7,\"kind\":\"scenario\"}",
          "{\"from\":7,\"outcome\":\"V\",\"to\":8,\"kind\":\"invalid\"}",
          "{\"from\":7,\"outcome\":\"V\",\"to\":254,\"kind\":\"win\",\"if_played\":1}",
          "{\"from\":7,\"outcome\":\"TV\",\"to\":-2,\"kind\":\"invalid\"},"
          "{\"from\":7,\"outcome\":\"L\",\"to\":255,\"kind\":\"lose\"}]}\n"})
        EXPECT_NE(r.out.find(edge), std::string::npos) << edge;
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
        DemoBatch game;
        game.state.campaign.scenario_count = static_cast<int16_t>(c.count);
        for (OutcomeRecord& o : game.state.campaign.scenarios[7].outcome)
            o.goto_scn = static_cast<int16_t>(c.seelow_goto);
        game.save();
        BatchRun r = game.run({"flow", "$cam"});
        EXPECT_EQ(r.status, c.status) << c.says;
        EXPECT_EQ(r.out, c.says);
    }
}
