#include "platform/headless/Json.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qd::headless {

Json Json::Num(double v) {
    Json j;
    j.kind = Kind::Number;
    j.number = v;
    return j;
}

Json Json::Str(std::string s) {
    Json j;
    j.kind = Kind::String;
    j.text = std::move(s);
    return j;
}

Json Json::Arr(std::vector<Json> v) {
    Json j;
    j.kind = Kind::Array;
    j.items = std::move(v);
    return j;
}

namespace {
bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
}  // namespace

const Json* Json::Find(const std::string& key) const {
    for (const auto& [k, v] : members)
        if (EqualsNoCase(k, key)) return &v;
    return nullptr;
}

std::string FormatNumber(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4f", v);
    std::string s = buf;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string Json::Dump() const {
    switch (kind) {
        case Kind::Null:
            return "null";
        case Kind::Bool:
            return number != 0 ? "true" : "false";
        case Kind::Number:
            return FormatNumber(number);
        case Kind::String:
            return Quote(text);
        case Kind::Array: {
            std::string s = "[";
            for (size_t i = 0; i < items.size(); ++i) s += (i ? "," : "") + items[i].Dump();
            return s + "]";
        }
        case Kind::Object: {
            std::string s = "{";
            for (size_t i = 0; i < members.size(); ++i)
                s += (i ? "," : "") + Quote(members[i].first) + ":" + members[i].second.Dump();
            return s + "}";
        }
    }
    return "null";
}

namespace {

void SkipBlanks(const std::string& in, size_t& i) {
    while (i < in.size() && std::isspace(static_cast<unsigned char>(in[i]))) ++i;
}

bool ParseAt(const std::string& in, size_t& i, Json& out) {
    SkipBlanks(in, i);
    if (i >= in.size()) return false;
    const char c = in[i];
    if (c == '"') {
        std::string s;
        ++i;
        while (i < in.size() && in[i] != '"') {
            if (in[i] == '\\' && i + 1 < in.size()) {
                ++i;
                switch (in[i]) {
                    case 'n':
                        s += '\n';
                        break;
                    case 'r':
                        s += '\r';
                        break;
                    case 't':
                        s += '\t';
                        break;
                    default:
                        s += in[i];
                }
            } else {
                s += in[i];
            }
            ++i;
        }
        if (i >= in.size()) return false;
        ++i;
        out = Json::Str(s);
        return true;
    }
    if (c == '[') {
        ++i;
        std::vector<Json> items;
        SkipBlanks(in, i);
        if (i < in.size() && in[i] == ']') {
            ++i;
            out = Json::Arr(items);
            return true;
        }
        while (true) {
            Json item;
            if (!ParseAt(in, i, item)) return false;
            items.push_back(item);
            SkipBlanks(in, i);
            if (i < in.size() && in[i] == ',') {
                ++i;
                continue;
            }
            if (i < in.size() && in[i] == ']') {
                ++i;
                break;
            }
            return false;
        }
        out = Json::Arr(items);
        return true;
    }
    // A number or a bare word, up to a blank, a comma or a closing bracket.
    size_t end = i;
    while (end < in.size() && !std::isspace(static_cast<unsigned char>(in[end])) &&
           in[end] != ',' && in[end] != ']')
        ++end;
    const std::string word = in.substr(i, end - i);
    i = end;
    if (word == "true" || word == "false") {
        out = Json::Flag(word == "true");
        return true;
    }
    char* stop = nullptr;
    const double v = std::strtod(word.c_str(), &stop);
    if (!word.empty() && stop && *stop == '\0' && std::isfinite(v))
        out = Json::Num(v);
    else
        out = Json::Str(word);
    return !word.empty();
}

}  // namespace

bool ParseValue(const std::string& in, Json& out, std::string& rest) {
    size_t i = 0;
    if (!ParseAt(in, i, out)) return false;
    rest = in.substr(i);
    return true;
}

}  // namespace qd::headless
