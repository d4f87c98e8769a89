// The two rich-text pages shipped beside the program (revision history and
// simulator information) read through the program's own RTF reader without
// loss: every paragraph of the file comes out, and no control word or group
// brace leaks into the text a trainee reads.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "app/RichText.h"

namespace {

std::filesystem::path DocsDir() {
    if (const char* dir = std::getenv("QD720_DOCS_DIR"); dir != nullptr && *dir != '\0') {
        return dir;
    }
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "docs";
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Text(const qd::RichTextParagraph& p) {
    std::string text;
    for (const qd::RichTextRun& run : p.runs) text += run.text;
    return text;
}

// Paragraph marks in the file: every "\par" control word (not "\pard").
int ParagraphMarks(const std::string& rtf) {
    int marks = 0;
    for (size_t at = rtf.find("\\par"); at != std::string::npos; at = rtf.find("\\par", at + 4)) {
        const char next = at + 4 < rtf.size() ? rtf[at + 4] : ' ';
        if (!std::isalpha(static_cast<unsigned char>(next))) ++marks;
    }
    return marks;
}

struct Page {
    const char* file;
    const char* heading;
    const char* mustContain;
};

// Names the page in test output instead of dumping its bytes.
void PrintTo(const Page& page, std::ostream* os) {
    *os << page.file;
}

class ShippedPage : public ::testing::TestWithParam<Page> {};

TEST_P(ShippedPage, ReadsCompletelyThroughTheRichTextReader) {
    const Page& page = GetParam();
    const std::string rtf = ReadFile(DocsDir() / page.file);
    ASSERT_FALSE(rtf.empty()) << page.file << " not found in " << DocsDir();

    qd::RichTextDocument doc;
    std::string error;
    ASSERT_TRUE(qd::ParseRichText(rtf, doc, error)) << page.file << ": " << error;

    // Each paragraph mark ends one paragraph; text after the last one would be
    // a paragraph of its own.
    const int marks = ParagraphMarks(rtf);
    ASSERT_GE(static_cast<int>(doc.paragraphs.size()), marks);
    ASSERT_LE(static_cast<int>(doc.paragraphs.size()), marks + 1);

    int withText = 0;
    std::string all;
    for (const qd::RichTextParagraph& p : doc.paragraphs) {
        const std::string text = Text(p);
        EXPECT_EQ(text.find_first_of("\\{}"), std::string::npos)
            << page.file << ": markup leaked into \"" << text << "\"";
        if (!text.empty()) ++withText;
        all += text + "\n";
    }
    EXPECT_GE(withText, 10) << page.file;

    ASSERT_FALSE(doc.paragraphs.empty());
    const qd::RichTextParagraph& first = doc.paragraphs.front();
    EXPECT_EQ(Text(first), page.heading);
    ASSERT_FALSE(first.runs.empty());
    EXPECT_TRUE(first.runs.front().bold) << "the heading is bold";
    EXPECT_NE(all.find(page.mustContain), std::string::npos) << page.file;
}

INSTANTIATE_TEST_SUITE_P(
    Docs, ShippedPage,
    ::testing::Values(Page{"QD720SIM_REV.RTF", "QD720 Programming Simulator: Revision History",
                           "Version 1.00.600"},
                      Page{"QD720SIM_INF.RTF", "Welcome to the QD720 Training Simulator",
                           "Switch Main Power on."}),
    [](const ::testing::TestParamInfo<Page>& param) {
        return std::string(param.param.file).substr(9, 3);  // "REV", "INF"
    });

}  // namespace
