#include "platform/command_line.h"

#include <algorithm>

namespace mf7 {

std::optional<int> answer_command_line(const std::vector<std::string>& args,
                                       const std::vector<KnownOption>& known,
                                       const std::string& usage, std::ostream& out,
                                       std::ostream& err) {
    if (std::find_if(args.begin(), args.end(), [](const std::string& a) {
            return a == "--help" || a == "-h";
        }) != args.end()) {
        out << usage;
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
