// The campaign file reader, and the overview and save built on what it read.
#include "fuzz_support.h"
#include "model/campaign.h"
#include "model/campaign_file.h"
#include "model/overview.h"
#include "model/state.h"

using namespace mf7;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietMessages messages;
    EditorState state;
    NativePath path = fuzz::put_file("FUZZ.CAM", fuzz::bytes_of(data, size));
    if (read_campaign(state, path, messages)) {
        fill_overview(state, messages);
        campaign_to_bytes(state.campaign);
    }
    return 0;
}
