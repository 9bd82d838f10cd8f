#include "platform/command_line.h"

#include <algorithm>

namespace mf7 {

namespace {

bool has(const std::vector<std::string>& args, const char* a, const char* b) {
    return std::find_if(args.begin(), args.end(),
                        [&](const std::string& arg) { return arg == a || arg == b; }) != args.end();
}

// "usage: mf7demo ROOT ..." names mf7demo.
std::string program_name(const std::string& usage) {
    std::string rest = usage.substr(std::min(usage.size(), usage.find(' ') + 1));
    return rest.substr(0, rest.find_first_of(" \n"));
}

} // namespace

std::optional<int> answer_command_line(const std::vector<std::string>& args,
                                       const std::vector<KnownOption>& known,
                                       const std::string& usage, std::ostream& out,
                                       std::ostream& err) {
    if (has(args, "--help", "-h")) {
        out << usage;
        return 0;
    }
    if (has(args, "--version", "--version")) {
        out << program_name(usage) << " " << kProgramVersion << "\n";
        return 0;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!args[i].starts_with("-"))
            continue;
        auto it = std::find_if(known.begin(), known.end(),
                               [&](const KnownOption& o) { return o.name == args[i]; });
        if (it == known.end() || (it->takes_value && ++i >= args.size())) {
            err << usage;
            return 2;
        }
    }
    return std::nullopt;
}

std::optional<int> answer_command_line(const std::vector<NativePath>& args,
                                       const std::vector<KnownOption>& known,
                                       const std::string& usage, std::ostream& out,
                                       std::ostream& err) {
    std::vector<std::string> words;
    for (const NativePath& a : args)
        words.push_back(a.str());
    return answer_command_line(words, known, usage, out, err);
}

} // namespace mf7
