#include "model/json_reader.h"

#include "platform/cp1252.h"

#include <tuple>

namespace mf7::json {

namespace {

// Deeper nesting than this is no campaign text, and must not exhaust the stack.
constexpr int kMaxDepth = 64;

struct Failure {
    int line;
    std::string text;
};

class Parser {
  public:
    explicit Parser(std::string_view text) : s_(text) {
        if (s_.starts_with("\xEF\xBB\xBF"))
            at_ = 3;
    }

    void document(Value& out) {
        skip_blanks();
        if (at_ == s_.size())
            fail("the text is empty");
        value(out, 0);
        skip_blanks();
        if (at_ != s_.size())
            fail("unexpected " + shown_here() + " after the end of the text's value");
    }

  private:
    std::string_view s_;
    std::size_t at_ = 0;
    int line_ = 1;

    [[noreturn]] void fail(const std::string& text) const { throw Failure{line_, text}; }

    // The character at the reading position, for messages.
    std::string shown_here() const {
        if (at_ == s_.size())
            return "end of text";
        char c = s_[at_];
        if (static_cast<unsigned char>(c) < 0x20)
            return "control character";
        return std::string("'") + c + "'";
    }

    void skip_blanks() {
        while (at_ < s_.size()) {
            char c = s_[at_];
            if (c == '\n')
                ++line_;
            else if (c != ' ' && c != '\t' && c != '\r')
                return;
            ++at_;
        }
    }

    void expect(char c, const char* where) {
        skip_blanks();
        if (at_ == s_.size() || s_[at_] != c)
            fail(std::string("expected '") + c + "' " + where + ", found " + shown_here());
        ++at_;
    }

    void value(Value& v, int depth) {
        if (depth > kMaxDepth)
            fail("nested deeper than " + std::to_string(kMaxDepth) + " levels");
        skip_blanks();
        v.line = line_;
        if (at_ == s_.size())
            fail("expected a value, found end of text");
        char c = s_[at_];
        if (c == '{')
            object(v, depth);
        else if (c == '[')
            array(v, depth);
        else if (c == '"') {
            v.kind = Kind::String;
            v.text = string();
        } else if (c == '-' || (c >= '0' && c <= '9'))
            number(v);
        else
            literal(v);
    }

    void object(Value& v, int depth) {
        v.kind = Kind::Object;
        ++at_;
        skip_blanks();
        if (at_ < s_.size() && s_[at_] == '}') {
            ++at_;
            return;
        }
        for (;;) {
            skip_blanks();
            if (at_ == s_.size() || s_[at_] != '"')
                fail("expected a key in double quotes, found " + shown_here());
            Member m;
            m.line = line_;
            m.key = string();
            expect(':', "after a key");
            m.value = std::make_unique<Value>();
            value(*m.value, depth + 1);
            v.members.push_back(std::move(m));
            skip_blanks();
            if (at_ < s_.size() && s_[at_] == ',') {
                ++at_;
                continue;
            }
            expect('}', "or ',' after a value in an object");
            return;
        }
    }

    void array(Value& v, int depth) {
        v.kind = Kind::Array;
        ++at_;
        skip_blanks();
        if (at_ < s_.size() && s_[at_] == ']') {
            ++at_;
            return;
        }
        for (;;) {
            v.items.emplace_back();
            value(v.items.back(), depth + 1);
            skip_blanks();
            if (at_ < s_.size() && s_[at_] == ',') {
                ++at_;
                continue;
            }
            expect(']', "or ',' after a value in a list");
            return;
        }
    }

    void literal(Value& v) {
        for (auto [word, kind, truth] :
             {std::tuple{"true", Kind::Bool, true}, std::tuple{"false", Kind::Bool, false},
              std::tuple{"null", Kind::Null, false}}) {
            if (s_.substr(at_).starts_with(word)) {
                at_ += std::string_view(word).size();
                v.kind = kind;
                v.boolean = truth;
                return;
            }
        }
        fail("expected a value, found " + shown_here());
    }

    std::size_t digits() {
        std::size_t start = at_;
        while (at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '9')
            ++at_;
        return at_ - start;
    }

    void number(Value& v) {
        std::size_t start = at_;
        if (s_[at_] == '-')
            ++at_;
        std::size_t first = at_;
        if (digits() == 0)
            fail("a number needs a digit after '-'");
        if (s_[first] == '0' && at_ - first > 1)
            fail("a number may not start with 0");
        if (at_ < s_.size() && s_[at_] == '.') {
            ++at_;
            if (digits() == 0)
                fail("a number needs a digit after '.'");
        }
        if (at_ < s_.size() && (s_[at_] == 'e' || s_[at_] == 'E')) {
            ++at_;
            if (at_ < s_.size() && (s_[at_] == '+' || s_[at_] == '-'))
                ++at_;
            if (digits() == 0)
                fail("a number needs a digit in its exponent");
        }
        v.kind = Kind::Number;
        v.text = std::string(s_.substr(start, at_ - start));
    }

    unsigned hex4() {
        if (s_.size() - at_ < 4)
            fail("\\u needs four hexadecimal digits");
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            char c = s_[at_++];
            int d = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
            if (d < 0)
                fail("\\u needs four hexadecimal digits");
            value = value * 16 + static_cast<unsigned>(d);
        }
        return value;
    }

    char32_t unicode_escape() {
        unsigned cp = hex4();
        if (cp >= 0xDC00 && cp <= 0xDFFF)
            fail("a \\u escape holds a lone low surrogate");
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (!s_.substr(at_).starts_with("\\u"))
                fail("a \\u escape holds a lone high surrogate");
            at_ += 2;
            unsigned low = hex4();
            if (low < 0xDC00 || low > 0xDFFF)
                fail("a \\u escape holds a lone high surrogate");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        return cp;
    }

    void escape(std::string& out) {
        if (at_ == s_.size())
            fail("the text ends inside a string");
        char c = s_[at_++];
        switch (c) {
        case '"':
        case '\\':
        case '/':
            out += c;
            return;
        case 'b':
            out += '\b';
            return;
        case 'f':
            out += '\f';
            return;
        case 'n':
            out += '\n';
            return;
        case 'r':
            out += '\r';
            return;
        case 't':
            out += '\t';
            return;
        case 'u':
            append_utf8(out, unicode_escape());
            return;
        default:
            fail(std::string("unknown escape '\\") + c + "' in a string");
        }
    }

    std::string string() {
        ++at_; // the opening quote
        std::string out;
        for (;;) {
            if (at_ == s_.size())
                fail("the text ends inside a string");
            char c = s_[at_];
            if (c == '"') {
                ++at_;
                return out;
            }
            if (c == '\\') {
                ++at_;
                escape(out);
                continue;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                fail("a control character stands unescaped in a string");
            char32_t cp;
            std::size_t len = decode_utf8(s_, at_, cp);
            if (len == 0)
                fail("the text is no valid UTF-8");
            out.append(s_.substr(at_, len));
            at_ += len;
        }
    }
};

} // namespace

bool parse(std::string_view text, Value& out, ParseError& error) {
    try {
        out = Value{};
        Parser(text).document(out);
        return true;
    } catch (const Failure& f) {
        error = {f.line, f.text};
        return false;
    }
}

std::string kind_name(Kind kind) {
    switch (kind) {
    case Kind::Null:
        return "null";
    case Kind::Bool:
        return "true or false";
    case Kind::Number:
        return "a number";
    case Kind::String:
        return "a string";
    case Kind::Array:
        return "a list";
    case Kind::Object:
        return "an object";
    }
    return "a value";
}

} // namespace mf7::json
