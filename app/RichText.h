// A small RTF reader for the revision history and simulator information pages.
// It keeps only what those pages use: paragraphs of runs with bold, italic,
// underline, size and colour. Everything else in the file is read past.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qd {

struct RichTextRun {
    std::string text;  // UTF-8
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int fontSizeHalfPoints = 24;
    uint32_t color = 0x000000;  // 0xRRGGBB

    bool operator==(const RichTextRun&) const = default;
};

struct RichTextParagraph {
    std::vector<RichTextRun> runs;

    bool operator==(const RichTextParagraph&) const = default;
};

struct RichTextDocument {
    std::vector<RichTextParagraph> paragraphs;
};

// False (with `error` set) when the text is not RTF ("{\rtf" header missing),
// its groups do not balance, it nests too deeply or it is too large.
bool ParseRichText(const std::string& rtf, RichTextDocument& doc, std::string& error);

}  // namespace qd
