#pragma once
// The game's files are single-byte Windows-1252 text; the core keeps every text as those bytes
// and converts only where text meets the operating system or a terminal.
#include <string>
#include <string_view>

namespace mf7 {

// Every byte maps to one code point; the five bytes Windows leaves undefined map to the C1
// controls of the same value, so every byte survives a round trip.
std::string cp1252_to_utf8(std::string_view bytes);

// Characters without a Windows-1252 byte become '?'; *lossy is set when that happened.
std::string utf8_to_cp1252(std::string_view utf8, bool* lossy = nullptr);

// The code point a Windows-1252 byte stands for.
char32_t cp1252_code_point(unsigned char byte);

// The UTF-8 sequence at s[at]: its length and code point, or 0 when the bytes there are no
// well-formed UTF-8 (overlong forms and surrogates included).
std::size_t decode_utf8(std::string_view s, std::size_t at, char32_t& cp);
void append_utf8(std::string& out, char32_t cp);
bool is_utf8(std::string_view s);
// utf8 with its control characters written as \xHH: C0 (line breaks included), DEL, and the C1
// range the five undefined Windows-1252 bytes become. Printed so, a name can neither split a
// line nor send a terminal an escape sequence. Bytes that are no UTF-8 stay as they are.
std::string show_controls(std::string_view utf8);
bool is_ascii(std::string_view s);

} // namespace mf7
