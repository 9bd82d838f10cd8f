// The settings file reader, and the file written back from what it read.
#include "fuzz_support.h"
#include "settings/settings.h"

using namespace mf7;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietMessages messages;
    Settings settings;
    NativePath path = fuzz::put_file("mf7edit.ini", fuzz::bytes_of(data, size));
    read_settings_file(settings, path, messages);
    settings_file_text(settings, "3.0.1");
    return 0;
}
