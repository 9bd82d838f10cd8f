#include "app/batch.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace mf7;
using namespace mf7::test;

namespace {

// The demo game with its settings file beside the (pretended) program.
struct FlowBatch : DemoGame {
    FlowBatch() { EXPECT_TRUE(write_settings(state.settings, "3.0.1", dir.str(), msgs)); }
    int run(std::vector<std::string> args, std::string& out) {
        args.insert(args.begin() + 1, campaign_path());
        std::ostringstream o, e;
        int status = run_batch(args, dir.str(), o, e);
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
    std::string scenarios;
    for (const char* s : {
             R"({"number":0,"file":"POLAND.SCN","date":"1 SEP  1939","found":true})",
             R"({"number":1,"file":"NORWAY.SCN","date":"9 APR  1940","found":true})",
             R"({"number":2,"file":"SEDAN.SCN","date":"13 MAY  1940","found":true})",
             R"({"number":3,"file":"DUNKIRK.SCN","date":"26 MAY  1940","found":true})",
             R"({"number":4,"file":"CRETE.SCN","date":"20 MAY  1941","found":true})",
             R"({"number":5,"file":"MALTA.SCN","date":"2 JUL  1942","found":true})",
             R"({"number":6,"file":"KHARKOV.SCN","date":"19 FEB  1943","found":true})",
             R"({"number":7,"file":"SEELOW.SCN","date":"16 APR  1945","found":true})",
         })
        scenarios += (scenarios.empty() ? "" : ",") + std::string(s);
    const char* edges = R"({"from":0,"outcome":"BV","to":1,"kind":"scenario"},)"
                        R"({"from":0,"outcome":"V","to":1,"kind":"scenario"},)"
                        R"({"from":0,"outcome":"TV","to":1,"kind":"scenario"},)"
                        R"({"from":0,"outcome":"L","to":255,"kind":"lose"},)"
                        R"({"from":1,"outcome":"BV","to":2,"kind":"scenario"},)"
                        R"({"from":1,"outcome":"V","to":2,"kind":"scenario"},)"
                        R"({"from":1,"outcome":"TV","to":3,"kind":"scenario"},)"
                        R"({"from":1,"outcome":"L","to":255,"kind":"lose"},)"
                        R"({"from":2,"outcome":"BV","to":4,"kind":"scenario"},)"
                        R"({"from":2,"outcome":"V","to":4,"kind":"scenario"},)"
                        R"({"from":2,"outcome":"V","to":5,"kind":"scenario","if_played":3},)"
                        R"({"from":2,"outcome":"TV","to":3,"kind":"scenario"},)"
                        R"({"from":2,"outcome":"L","to":255,"kind":"lose"},)"
                        R"({"from":3,"outcome":"BV","to":4,"kind":"scenario"},)"
                        R"({"from":3,"outcome":"V","to":4,"kind":"scenario"},)"
                        R"({"from":3,"outcome":"TV","to":4,"kind":"scenario"},)"
                        R"({"from":3,"outcome":"L","to":255,"kind":"lose"},)"
                        R"({"from":4,"outcome":"BV","to":5,"kind":"scenario"},)"
                        R"({"from":4,"outcome":"V","to":5,"kind":"scenario"},)"
                        R"({"from":4,"outcome":"TV","to":6,"kind":"scenario"},)"
                        R"({"from":4,"outcome":"L","to":255,"kind":"lose"},)"
                        R"({"from":5,"outcome":"BV","to":6,"kind":"scenario"},)"
                        R"({"from":5,"outcome":"V","to":6,"kind":"scenario"},)"
                        R"({"from":5,"outcome":"TV","to":6,"kind":"scenario"},)"
                        R"({"from":5,"outcome":"L","to":255,"kind":"lose"},)"
                        R"({"from":6,"outcome":"BV","to":7,"kind":"scenario"},)"
                        R"({"from":6,"outcome":"V","to":7,"kind":"scenario"},)"
                        R"({"from":6,"outcome":"TV","to":7,"kind":"scenario"},)"
                        R"({"from":6,"outcome":"TV","to":7,"kind":"scenario","if_played":5},)"
                        R"({"from":6,"outcome":"L","to":255,"kind":"lose"},)"
                        R"({"from":7,"outcome":"BV","to":254,"kind":"win"},)"
                        R"({"from":7,"outcome":"V","to":254,"kind":"win"},)"
                        R"({"from":7,"outcome":"TV","to":254,"kind":"win"},)"
                        R"({"from":7,"outcome":"L","to":255,"kind":"lose"})";
    EXPECT_EQ(out, "{\"scenarios\":[" + scenarios + "],\"edges\":[" + edges + "]}\n");
}
