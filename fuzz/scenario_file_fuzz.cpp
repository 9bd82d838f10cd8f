// The scenario file reader: the overview's date and main country, and the map type.
#include "fuzz_support.h"
#include "model/campaign.h"
#include "model/country_names.h"
#include "model/scenario_file.h"
#include "model/state.h"

using namespace mf7;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietMessages messages;
    EditorState state;
    state.settings.mf7_scn = state.settings.mf7main = fuzz::scratch_folder();
    state.settings.set_mf7text("*.txt");
    fuzz::put_file("FUZZ.SCN", fuzz::bytes_of(data, size));
    state.campaign.scenarios[0].scn_file = make_text_field("FUZZ.SCN");
    get_scn_data(state, "FUZZ.SCN", messages);
    get_main_country(state, messages);
    if (auto read = read_scenario_details(state.settings, "FUZZ.SCN", messages).data)
        check_map_type(*read);
    return 0;
}
