#include "model/field_rules.h"

#include "platform/text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace mf7 {

std::optional<double> parse_number(const std::string& text) {
    std::string t = trim(text);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        std::size_t exp_digits = 0;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) {
            ++j;
            ++exp_digits;
        }
        if (exp_digits == 0)
            return std::nullopt;
        i = j;
    }
    if (i != t.size())
        return std::nullopt;
    double v = std::strtod(t.c_str(), nullptr);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

long long round_half_even(double value) {
    return static_cast<long long>(std::nearbyint(value)); // the default mode rounds to even
}

std::string number_text(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

PrestigeFold fold_prestige(const std::string& typed) {
    auto v = parse_number(typed);
    if (!v)
        return {"0", 0};
    std::string text = trim(typed);
    double value = *v;
    if (value < 0) {
        value = -value;
        text = number_text(value);
    }
    if (value > 65535) {
        // Subtracting 65535 at a time would take a while for huge numbers; the result is the same.
        value = std::fmod(value, 65535.0);
        if (value == 0)
            value = 65535;
        text = number_text(value);
    }
    long long rounded = round_half_even(value);
    return {text, static_cast<uint16_t>(rounded > 65535 ? rounded - 65535 : rounded)};
}

std::string goto_rule(const std::string& typed) {
    auto v = parse_number(typed);
    if (v && ((*v >= 0 && *v <= 49) || (*v >= 254 && *v <= 255)))
        return typed;
    return "0";
}

int16_t goto_value(const std::string& text) {
    auto v = parse_number(text);
    if (!v)
        return 0;
    return static_cast<int16_t>(static_cast<uint16_t>(round_half_even(*v) & 0xFFFF));
}

bool append_extension(std::string& name, const std::string& extension) {
    std::string t = trim(name);
    if (t.empty() || lcase(right(t, 4)) == extension)
        return false;
    name += extension;
    return true;
}

} // namespace mf7
