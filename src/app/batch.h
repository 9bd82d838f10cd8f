#pragma once
// The batch tool: what the editor shows and writes, from a script. Output is UTF-8 with LF line
// ends; every message the editor shows in a box goes to the error stream.
#include <ostream>
#include <string>
#include <vector>

namespace mf7 {

// args without the program name. Returns the exit status.
int run_batch(const std::vector<std::string>& args, const std::string& program_folder,
              std::ostream& out, std::ostream& err);

} // namespace mf7
