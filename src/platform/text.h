#pragma once
// Small text helpers with the game's rules: blanks are the only white space trimmed, letter case
// follows Windows-1252, numbers are written the way the game's tools write them.
#include <cstdint>
#include <string>
#include <string_view>

namespace mf7 {

std::string lcase(std::string_view s);
std::string ucase(std::string_view s);
// Removes blanks (and only blanks) at both ends.
std::string trim(std::string_view s);
std::string nul_to_blank(std::string_view s);
// The last n characters (all of s when it is shorter).
std::string right(std::string_view s, std::size_t n);
std::string left(std::string_view s, std::size_t n);
// s padded on the left with blanks to width; a longer s is returned whole.
std::string pad_left(std::string_view s, std::size_t width);
std::string pad_right(std::string_view s, std::size_t width);
// A non-negative number with one leading blank, a negative one with its sign: " 7", "-1".
std::string str_number(long long value);
bool ends_with_ci(std::string_view s, std::string_view tail);

} // namespace mf7
