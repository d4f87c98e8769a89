#include "app/RichText.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <string_view>
#include <utility>

namespace qd {
namespace {

// The pages are a few KiB; anything far larger or deeper is not ours.
constexpr size_t kMaxInputBytes = 4u * 1024u * 1024u;
constexpr int kMaxDepth = 256;
constexpr int kDefaultFontSize = 24;
constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 0x80..0x9F; the five holes become U+FFFD.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

char32_t FromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
    return byte;  // the rest is Latin-1
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

enum class Destination { Text, Skip, ColorTable };

// Character formatting and reader state that a group restores when it closes.
struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int fontSize = kDefaultFontSize;
    int colorIndex = 0;
    int unicodeSkip = 1;
    Destination dest = Destination::Text;
};

// Destinations whose content is never page text.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::string_view kSkipped[] = {
        "fonttbl",   "stylesheet",        "info",     "pict",     "header",
        "headerl",   "headerr",           "headerf",  "footer",   "footerl",
        "footerr",   "footerf",           "footnote", "object",   "filetbl",
        "listtable", "listoverridetable", "revtbl",   "rsidtbl",  "themedata",
        "datastore", "latentstyles",      "xmlnstbl", "generator"};
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

class Reader {
public:
    Reader(std::string_view src, RichTextDocument& doc, std::string& error)
        : src_(src), doc_(doc), error_(error) {}

    bool Run();

private:
    bool Fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    bool OpenGroup();
    bool CloseGroup();
    void ControlWord(std::string_view word, bool hasParam, int param);
    void ControlSymbol(char c);
    void ReadControl();
    void Text(char32_t cp);
    void BreakParagraph();
    // A character after \uN stands in for readers without Unicode; drop it.
    bool ConsumeFallback() {
        if (fallbackLeft_ <= 0) return false;
        --fallbackLeft_;
        return true;
    }
    void FlushSurrogate() {
        if (pendingHigh_ == 0) return;
        pendingHigh_ = 0;
        AppendToRun(kReplacement);
    }
    void AppendToRun(char32_t cp);
    uint32_t CurrentColor() const {
        const int i = state_.colorIndex;
        // Index 0 is "auto"; a missing entry also falls back to black.
        if (i <= 0 || static_cast<size_t>(i) >= colors_.size()) return 0x000000;
        return colors_[static_cast<size_t>(i)];
    }

    std::string_view src_;
    size_t pos_ = 0;
    RichTextDocument& doc_;
    std::string& error_;

    GroupState state_;
    std::vector<GroupState> saved_;
    RichTextParagraph para_;
    std::vector<uint32_t> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    int fallbackLeft_ = 0;
    char16_t pendingHigh_ = 0;
    bool closed_ = false;
};

bool Reader::Run() {
    while (pos_ < src_.size() && !closed_) {
        const char c = src_[pos_];
        if (c == '{') {
            ++pos_;
            if (!OpenGroup()) return false;
        } else if (c == '}') {
            ++pos_;
            if (!CloseGroup()) return false;
        } else if (c == '\\') {
            ReadControl();
        } else {
            ++pos_;
            if (c == '\r' || c == '\n' || c == '\0') continue;
            if (state_.dest == Destination::ColorTable) {
                if (c == ';') {
                    colors_.push_back((static_cast<uint32_t>(red_ & 0xFF) << 16) |
                                      (static_cast<uint32_t>(green_ & 0xFF) << 8) |
                                      static_cast<uint32_t>(blue_ & 0xFF));
                    red_ = green_ = blue_ = 0;
                }
                continue;
            }
            if (ConsumeFallback()) continue;
            Text(FromCp1252(static_cast<unsigned char>(c)));
        }
    }
    if (!closed_) return Fail("unbalanced groups: a '}' is missing");
    for (; pos_ < src_.size(); ++pos_) {
        // Editors leave newlines or a NUL after the document; only a stray '}' is wrong.
        if (src_[pos_] == '}') return Fail("unbalanced groups: an extra '}'");
    }
    FlushSurrogate();
    if (!para_.runs.empty()) doc_.paragraphs.push_back(std::move(para_));
    return true;
}

bool Reader::OpenGroup() {
    if (static_cast<int>(saved_.size()) >= kMaxDepth)
        return Fail("groups nest deeper than " + std::to_string(kMaxDepth));
    saved_.push_back(state_);
    fallbackLeft_ = 0;
    return true;
}

bool Reader::CloseGroup() {
    if (saved_.empty()) return Fail("unbalanced groups: an extra '}'");
    state_ = saved_.back();
    saved_.pop_back();
    fallbackLeft_ = 0;
    if (saved_.empty()) closed_ = true;
    return true;
}

void Reader::ReadControl() {
    ++pos_;  // the backslash
    if (pos_ >= src_.size()) return;
    const char c = src_[pos_];
    if (!IsAsciiLetter(c)) {
        ++pos_;
        ControlSymbol(c);
        return;
    }
    const size_t start = pos_;
    while (pos_ < src_.size() && IsAsciiLetter(src_[pos_])) ++pos_;
    const std::string_view word = src_.substr(start, pos_ - start);

    bool negative = false;
    if (pos_ + 1 < src_.size() && src_[pos_] == '-' && IsDigit(src_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    bool hasParam = false;
    long long value = 0;
    while (pos_ < src_.size() && IsDigit(src_[pos_])) {
        hasParam = true;
        // Saturate rather than overflow on absurd digit strings.
        value = std::min<long long>(value * 10 + (src_[pos_] - '0'), INT_MAX);
        ++pos_;
    }
    if (pos_ < src_.size() && src_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
    const int param = static_cast<int>(negative ? -value : value);

    if (word == "bin" && hasParam) {
        // Raw bytes follow; they may contain braces, so jump over them.
        pos_ += std::min<size_t>(static_cast<size_t>(std::max(param, 0)), src_.size() - pos_);
        return;
    }
    ControlWord(word, hasParam, param);
}

void Reader::ControlSymbol(char c) {
    if (c == '*') {
        // An optional destination: nothing this reader understands lives there.
        state_.dest = Destination::Skip;
        return;
    }
    if (c == '\'') {
        int value = -1;
        if (pos_ + 1 < src_.size()) {
            const int hi = HexValue(src_[pos_]);
            const int lo = HexValue(src_[pos_ + 1]);
            if (hi >= 0 && lo >= 0) {
                value = hi * 16 + lo;
                pos_ += 2;
            }
        }
        if (value < 0 || state_.dest != Destination::Text || ConsumeFallback()) return;
        Text(FromCp1252(static_cast<unsigned char>(value)));
        return;
    }
    if (state_.dest != Destination::Text || ConsumeFallback()) return;
    switch (c) {
        case '\\':
        case '{':
        case '}':
            Text(static_cast<unsigned char>(c));
            break;
        case '~':
            Text(0x00A0);
            break;
        case '_':
            Text(0x2011);
            break;
        case '\r':
        case '\n':
            BreakParagraph();
            break;
        default:
            break;  // \- and anything unknown
    }
}

void Reader::ControlWord(std::string_view word, bool hasParam, int param) {
    if (IsSkippedDestination(word)) {
        state_.dest = Destination::Skip;
        return;
    }
    if (word == "colortbl") {
        if (state_.dest != Destination::Text) return;
        state_.dest = Destination::ColorTable;
        colors_.clear();
        red_ = green_ = blue_ = 0;
        return;
    }
    if (state_.dest == Destination::Skip) return;
    if (state_.dest == Destination::ColorTable) {
        if (word == "red") red_ = param;
        if (word == "green") green_ = param;
        if (word == "blue") blue_ = param;
        return;
    }

    const bool on = !hasParam || param != 0;
    if (word == "u") {
        // Before the fallback skip so the fallback count starts after this word.
        const int unit = param < 0 ? param + 65536 : param;
        const auto cu = static_cast<char16_t>(unit & 0xFFFF);
        if (cu >= 0xDC00 && cu <= 0xDFFF && pendingHigh_ != 0) {
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(pendingHigh_) - 0xD800) << 10) +
                                (static_cast<char32_t>(cu) - 0xDC00);
            pendingHigh_ = 0;
            AppendToRun(cp);
        } else if (cu >= 0xD800 && cu <= 0xDBFF) {
            FlushSurrogate();
            pendingHigh_ = cu;
        } else {
            Text(cu);
        }
        fallbackLeft_ = state_.unicodeSkip;
        return;
    }
    if (ConsumeFallback()) return;

    if (word == "par") {
        BreakParagraph();
    } else if (word == "line") {
        Text('\n');
    } else if (word == "tab") {
        Text('\t');
    } else if (word == "b") {
        state_.bold = on;
    } else if (word == "i") {
        state_.italic = on;
    } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth" ||
               word == "ulwave") {
        state_.underline = on;
    } else if (word == "ulnone") {
        state_.underline = false;
    } else if (word == "plain") {
        state_.bold = state_.italic = state_.underline = false;
        state_.fontSize = kDefaultFontSize;
        state_.colorIndex = 0;
    } else if (word == "fs") {
        state_.fontSize = hasParam && param > 0 ? param : kDefaultFontSize;
    } else if (word == "cf") {
        state_.colorIndex = param;
    } else if (word == "uc") {
        state_.unicodeSkip = std::max(param, 0);
    } else if (word == "emdash") {
        Text(0x2014);
    } else if (word == "endash") {
        Text(0x2013);
    } else if (word == "lquote") {
        Text(0x2018);
    } else if (word == "rquote") {
        Text(0x2019);
    } else if (word == "ldblquote") {
        Text(0x201C);
    } else if (word == "rdblquote") {
        Text(0x201D);
    } else if (word == "bullet") {
        Text(0x2022);
    }
    // Anything else is formatting these pages do not show.
}

void Reader::Text(char32_t cp) {
    if (state_.dest != Destination::Text) return;
    FlushSurrogate();
    AppendToRun(cp);
}

void Reader::AppendToRun(char32_t cp) {
    RichTextRun format;
    format.bold = state_.bold;
    format.italic = state_.italic;
    format.underline = state_.underline;
    format.fontSizeHalfPoints = state_.fontSize;
    format.color = CurrentColor();
    auto& runs = para_.runs;
    const bool same = !runs.empty() && runs.back().bold == format.bold &&
                      runs.back().italic == format.italic &&
                      runs.back().underline == format.underline &&
                      runs.back().fontSizeHalfPoints == format.fontSizeHalfPoints &&
                      runs.back().color == format.color;
    if (!same) runs.push_back(std::move(format));
    AppendUtf8(runs.back().text, cp);
}

void Reader::BreakParagraph() {
    if (state_.dest != Destination::Text) return;
    FlushSurrogate();
    doc_.paragraphs.push_back(std::move(para_));
    para_ = RichTextParagraph{};
}

}  // namespace

bool ParseRichText(const std::string& rtf, RichTextDocument& doc, std::string& error) {
    doc = RichTextDocument{};
    error.clear();
    if (rtf.size() > kMaxInputBytes) {
        error = "rich text is larger than 4 MiB";
        return false;
    }
    std::string_view src(rtf);
    const size_t first = src.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || src.substr(first, 5) != "{\\rtf") {
        error = "not rich text: the {\\rtf header is missing";
        return false;
    }
    Reader reader(src.substr(first), doc, error);
    if (!reader.Run()) {
        doc = RichTextDocument{};
        return false;
    }
    return true;
}

}  // namespace qd
