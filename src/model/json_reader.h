#pragma once
// A small reader for the JSON the campaign text uses: objects keep their keys in order, every
// value knows the line it starts on, and numbers keep their text so that the caller decides
// their range. Strict JSON (RFC 8259): no comments, no trailing commas.
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mf7::json {

enum class Kind { Null, Bool, Number, String, Array, Object };

struct Value;
struct Member {
    std::string key;
    int line = 0; // where the key stands
    std::unique_ptr<Value> value;
};

struct Value {
    Kind kind = Kind::Null;
    int line = 0;
    bool boolean = false;
    std::string text; // a number's text as written, or a string's UTF-8 contents
    std::vector<Value> items;
    std::vector<Member> members;
};

struct ParseError {
    int line = 0;
    std::string text;
};

// The value the whole text holds (a UTF-8 byte-order mark at the start is allowed). Returns
// false with the first error and its line when the text is no JSON.
bool parse(std::string_view text, Value& out, ParseError& error);

// The name of a kind for messages: "a number", "an object" ...
std::string kind_name(Kind kind);

} // namespace mf7::json
