// The country-name file reader, asked for every code and a few beyond.
#include "fuzz_support.h"
#include "model/country_names.h"
#include "model/state.h"

using namespace mf7;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietMessages messages;
    EditorState state;
    state.settings.mf7main = fuzz::scratch_folder();
    state.settings.set_mf7text("*.txt");
    fuzz::put_file("GUI97.txt", fuzz::bytes_of(data, size));
    for (int code = -1; code <= kCountryCodes; ++code)
        country_lookup(state.countries, state.settings, code, messages);
    return 0;
}
