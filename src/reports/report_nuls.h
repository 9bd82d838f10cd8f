#pragma once
// The game's editor turned the NULs of every record name a report read into blanks, in the
// record itself, and a later save keeps those blanks. The reports only read; the one who runs a
// report runs the matching step here just before it, so the saved bytes stay those of the game.
#include "model/campaign.h"

namespace mf7 {

struct Settings;

// Each step touches exactly the names its report reads, for the first `rows` scenarios (never
// more than 50). The three reports written to the report folder read nothing when the folder is
// missing, and their steps then change nothing.

// The campaign list: the description name (for the game's title).
void blank_campaign_list_nuls(CampaignRecord& cam, const Settings& settings);
// The file list: the header names and every name of each scenario.
void blank_file_list_nuls(CampaignRecord& cam, const Settings& settings, int rows);
// The full report: the header names, each scenario's file name, and its other names only when
// its file is in the scenario folder.
void blank_full_report_nuls(CampaignRecord& cam, const Settings& settings, int rows);
// The missing-files check: the first scenario's file name and every name of each scenario.
void blank_check_nuls(CampaignRecord& cam, int rows);

} // namespace mf7
