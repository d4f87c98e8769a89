#include "app/UpdateInfo.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace qd {

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool AllDigits(const std::string& s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

bool IsSha256(const std::string& s) {
    return s.size() == 64 &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
}

}  // namespace

std::optional<std::vector<uint32_t>> VersionParts(const std::string& version) {
    std::vector<uint32_t> parts;
    std::string::size_type start = 0;
    while (true) {
        const auto dot = version.find('.', start);
        const std::string part = version.substr(start, dot - start);
        if (!AllDigits(part) || part.size() > 9 || parts.size() == 6) return std::nullopt;
        parts.push_back(static_cast<uint32_t>(std::stoul(part)));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return parts;
}

int CompareVersions(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    const std::size_t n = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const uint32_t x = i < a.size() ? a[i] : 0;
        const uint32_t y = i < b.size() ? b[i] : 0;
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

bool IsNewerVersion(const std::string& offered, const std::string& current) {
    const auto a = VersionParts(offered);
    const auto b = VersionParts(current);
    return a && b && CompareVersions(*a, *b) > 0;
}

std::optional<UpdateInfo> ParseUpdateInfo(const std::string& text) {
    std::map<std::string, std::string> fields;
    std::string::size_type pos = 0;
    bool sawHeader = false;
    while (pos <= text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Control characters mean this is not our text file (binary, an HTML
        // error page is caught by the header check below).
        for (const unsigned char c : line)
            if (c < 0x20 && c != '\t') return std::nullopt;
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        if (!sawHeader) {
            if (line != "[QD720 update]") return std::nullopt;
            sawHeader = true;
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos) return std::nullopt;
        const std::string key = Trim(line.substr(0, eq));
        const std::string value = Trim(line.substr(eq + 1));
        if (key.empty() || !fields.emplace(key, value).second) return std::nullopt;
    }
    if (!sawHeader) return std::nullopt;

    const auto get = [&fields](const char* key) -> std::string {
        const auto it = fields.find(key);
        return it == fields.end() ? std::string() : it->second;
    };
    UpdateInfo info;
    info.version = get("version");
    info.url = get("url");
    info.sha256 = get("sha256");
    info.notes = get("notes");
    const std::string size = get("size");
    if (!VersionParts(info.version) || info.url.empty() || !IsSha256(info.sha256))
        return std::nullopt;
    if (!AllDigits(size) || size.size() > 12) return std::nullopt;
    info.size = std::stoull(size);
    if (info.size == 0 || info.size > kMaxUpdateDownloadSize) return std::nullopt;
    std::transform(info.sha256.begin(), info.sha256.end(), info.sha256.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return info;
}

}  // namespace qd
