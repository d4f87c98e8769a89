// A small JSON value for the runner's output lines and for `expect` values.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qd::headless {

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    double number = 0;
    std::string text;
    std::vector<Json> items;                            // Array
    std::vector<std::pair<std::string, Json>> members;  // Object, in order

    Json() = default;
    static Json Num(double v);
    static Json Flag(bool v) { return Num(v ? 1 : 0); }  // flags are 0 or 1
    static Json Bool(bool v) {
        Json j;
        j.kind = Kind::Bool;
        j.number = v ? 1 : 0;
        return j;
    }
    static Json Str(std::string s);
    static Json Arr(std::vector<Json> v);
    static Json Obj() {
        Json j;
        j.kind = Kind::Object;
        return j;
    }
    Json& Add(std::string key, Json value) {
        members.emplace_back(std::move(key), std::move(value));
        return *this;
    }
    // Member by name, case-insensitive; nullptr when absent.
    const Json* Find(const std::string& key) const;

    std::string Dump() const;
};

// Numbers as JSON numbers with at most 4 decimals, no trailing zeros.
std::string FormatNumber(double v);
std::string Quote(const std::string& s);

// Parses one JSON value (or a bare word) at the start of `in`; `rest` gets what follows.
bool ParseValue(const std::string& in, Json& out, std::string& rest);

}  // namespace qd::headless
