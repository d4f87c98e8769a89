// The update information file published next to each release, and version
// numbers compared part by part.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qd {

// The largest download the program accepts, whatever the file claims.
inline constexpr uint64_t kMaxUpdateDownloadSize = 512ull * 1024 * 1024;

struct UpdateInfo {
    std::string version;  // newest published version, "1.00.700"
    std::string url;      // download address, absolute or relative to the file
    uint64_t size = 0;    // bytes of the download
    std::string sha256;   // 64 lower-case hexadecimal digits
    std::string notes;    // one line for the user, may be empty
};

// Parses the text of an information file; nothing when it is not one.
std::optional<UpdateInfo> ParseUpdateInfo(const std::string& text);

// The numeric parts of a version ("1.00.600" -> 1, 0, 600); nothing when a part
// is not a number of at most nine digits or there are more than six parts.
std::optional<std::vector<uint32_t>> VersionParts(const std::string& version);

// <0, 0 or >0 as a is older than, the same as or newer than b. Missing parts
// count as 0 ("1.2" == "1.2.0"). Both must be valid versions.
int CompareVersions(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b);

// True when offered is a valid version newer than current.
bool IsNewerVersion(const std::string& offered, const std::string& current);

}  // namespace qd
