#pragma once
// A generated game whose campaign names a file in every field, with every file present: the
// fixture of the tests, the fuzz seeds and the benchmarks.
#include "model/demo_game.h"

namespace mf7::demo {

// A campaign of count scenarios (at most 50) with a file name in every field: scenario i uses
// FULLnn.SCN, INTROi.SMK, BRIEFnn.TXT, BRIEFnn.MUS and per outcome BVnn.SMK, BVAnn.SMK,
// BVnn.TXT, BVnn.MUS (and V, TV, L alike). Every win leads to the next scenario, the last one
// wins the campaign, every loss loses it.
CampaignRecord full_campaign(int count);
constexpr const char* kFullCampaignName = "FULL.CAM";

// Writes full_campaign(count) as FULL.CAM under root, laid out as demo_settings says, with every
// file it names: scenario files, their maps (user maps MAPnn.MAP numbered i + 1) and first map
// graphics, films, texts and speech, and the country-name file.
bool write_full_game(const NativePath& root, int count, std::string& error);

} // namespace mf7::demo
