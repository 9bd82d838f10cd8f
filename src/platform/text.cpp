#include "platform/text.h"

namespace mf7 {

namespace {

// Latin-1 letters of Windows-1252 change case by 0x20, apart from the multiplication and
// division signs; Š, Œ, Ž and ÿ have their own pairs.
char lower_char(char c) {
    auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<char>(b + 0x20);
    if (b == 0x8A || b == 0x8C || b == 0x8E)
        return static_cast<char>(b + 0x10);
    if (b == 0x9F)
        return static_cast<char>(0xFF);
    return c;
}

char upper_char(char c) {
    auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return static_cast<char>(b - 0x20);
    if (b == 0x9A || b == 0x9C || b == 0x9E)
        return static_cast<char>(b - 0x10);
    if (b == 0xFF)
        return static_cast<char>(0x9F);
    return c;
}

} // namespace

std::string lcase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = lower_char(c);
    return out;
}

std::string ucase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = upper_char(c);
    return out;
}

std::string trim(std::string_view s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    std::size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

std::string nul_to_blank(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c == '\0')
            c = ' ';
    return out;
}

std::string right(std::string_view s, std::size_t n) {
    return std::string(n >= s.size() ? s : s.substr(s.size() - n));
}

std::string left(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, n));
}

std::string pad_left(std::string_view s, std::size_t width) {
    std::string out;
    if (s.size() < width)
        out.assign(width - s.size(), ' ');
    out += s;
    return out;
}

std::string pad_right(std::string_view s, std::size_t width) {
    std::string out(s);
    if (out.size() < width)
        out.append(width - out.size(), ' ');
    return out;
}

std::string str_number(long long value) {
    std::string out = std::to_string(value);
    if (value >= 0)
        out.insert(out.begin(), ' ');
    return out;
}

bool ends_with_ci(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && lcase(s.substr(s.size() - tail.size())) == lcase(tail);
}

} // namespace mf7
