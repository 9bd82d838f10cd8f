// The campaign text: import of any text, and the round trip of any file image. Import either
// refuses with a message naming the line or gives a record whose text imports to the same
// record; every 31,944-byte image (the input cut or padded with NULs) comes back from its text
// byte for byte.
#include "fuzz_support.h"
#include "model/campaign_text.h"

#include <cstdlib>

using namespace mf7;

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

void import_any_text(const std::string& text) {
    CampaignRecord cam;
    std::string error;
    if (!campaign_from_text(text, cam, error)) {
        check(error.starts_with("line "));
        return;
    }
    CampaignRecord again;
    check(campaign_from_text(campaign_to_text(cam), again, error));
    check(again == cam);
}

void round_trip_image(std::string bytes) {
    bytes.resize(layout::kFileSize, '\0');
    CampaignRecord cam;
    std::string error;
    check(campaign_from_text(campaign_to_text(campaign_from_bytes(bytes)), cam, error));
    check(campaign_to_bytes(cam) == bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string input = fuzz::bytes_of(data, size);
    import_any_text(input);
    // Texts are imported only: a text's round trip as a file image would only repeat what the
    // property test does, at the cost of half the runs.
    if (!input.starts_with('{'))
        round_trip_image(input);
    return 0;
}
