#pragma once
// The rules fields apply when the user leaves them: prestige folding, goto ranges, extensions.
#include <cstdint>
#include <optional>
#include <string>

namespace mf7 {

// Whether text is a number as the game's platform reads one: optional sign, digits, fraction,
// exponent, blanks around it.
std::optional<double> parse_number(const std::string& text);
// Rounds halves to the even neighbour: 12.5 gives 12, 13.5 gives 14.
long long round_half_even(double value);
// The shortest decimal text of a value: 7, 12.5.
std::string number_text(double value);

// Prestige as the game's editor folds it: a negative value loses its sign, a value above 65535
// loses 65535 (not 65536) until it fits, a non-number becomes "0". `text` is what the field
// keeps (a fraction stays visible), `value` what is stored.
struct PrestigeFold {
    std::string text;
    uint16_t value;
};
PrestigeFold fold_prestige(const std::string& typed);

// A goto keeps its text when it is a number from 0 to 49 or from 254 to 255; anything else
// becomes "0".
std::string goto_rule(const std::string& typed);
// The 16-bit word a goto field stores: its number rounded, halves to even; -1 gives 65535.
int16_t goto_value(const std::string& text);

// The extension is appended when the name is not blank and its last four characters,
// lower-cased, differ from it. Returns whether it was appended.
bool append_extension(std::string& name, const std::string& extension);

} // namespace mf7
