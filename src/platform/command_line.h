#pragma once
// What every executable does with its command line first: --help (or -h) prints the usage to
// standard output and ends with 0, an option the program does not know prints it to the error
// stream and ends with 2, so that no option is ever taken for a file or folder name.
#include "platform/native_path.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace mf7 {

struct KnownOption {
    std::string name;
    bool takes_value = false;
};

// The exit status when the program is to end here, nothing when it goes on.
std::optional<int> answer_command_line(const std::vector<std::string>& args,
                                       const std::vector<KnownOption>& known,
                                       const std::string& usage, std::ostream& out,
                                       std::ostream& err);
// The same for arguments taken as paths (program_arguments): options are ASCII either way.
std::optional<int> answer_command_line(const std::vector<NativePath>& args,
                                       const std::vector<KnownOption>& known,
                                       const std::string& usage, std::ostream& out,
                                       std::ostream& err);

} // namespace mf7
