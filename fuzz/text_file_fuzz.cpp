// The text-file loader of the text window and the lines it splits.
#include "fuzz_support.h"
#include "model/text_file.h"
#include "platform/files.h"

#include <cstdlib>

using namespace mf7;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietMessages messages;
    std::string bytes = fuzz::bytes_of(data, size);
    std::string text;
    if (!get_text_file(fuzz::put_file("FUZZ.TXT", bytes), text, messages))
        std::abort();
    // Loading what the window shows gives it again: the line rule loses nothing on a second pass.
    if (text_from_file_bytes(text) != text)
        std::abort();
    split_lines_any(bytes);
    return 0;
}
