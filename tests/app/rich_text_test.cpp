#include "app/RichText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qd {
namespace {

RichTextRun Text(std::string text) {
    RichTextRun r;
    r.text = std::move(text);
    return r;
}
RichTextRun Bold(std::string text) {
    RichTextRun r = Text(std::move(text));
    r.bold = true;
    return r;
}
RichTextRun Italic(std::string text) {
    RichTextRun r = Text(std::move(text));
    r.italic = true;
    return r;
}
RichTextRun Under(std::string text) {
    RichTextRun r = Text(std::move(text));
    r.underline = true;
    return r;
}
RichTextRun Sized(std::string text, int halfPoints) {
    RichTextRun r = Text(std::move(text));
    r.fontSizeHalfPoints = halfPoints;
    return r;
}
RichTextRun Colored(std::string text, uint32_t color) {
    RichTextRun r = Text(std::move(text));
    r.color = color;
    return r;
}

using Paragraphs = std::vector<std::vector<RichTextRun>>;

struct Case {
    const char* name;
    std::string rtf;
    Paragraphs expected;
};

std::string Describe(const RichTextRun& r) {
    return "\"" + r.text + "\"" + (r.bold ? " b" : "") + (r.italic ? " i" : "") +
           (r.underline ? " u" : "") + " fs" + std::to_string(r.fontSizeHalfPoints) + " #" +
           std::to_string(r.color);
}

std::string Describe(const Paragraphs& ps) {
    std::string out;
    for (const auto& p : ps) {
        out += "[";
        for (const auto& r : p) out += Describe(r) + "; ";
        out += "]\n";
    }
    return out;
}

TEST(RichText, ParsesTable) {
    RichTextRun boldItalicBig = Sized("x", 40);
    boldItalicBig.bold = boldItalicBig.italic = true;
    boldItalicBig.color = 0x010203;

    const std::vector<Case> cases = {
        {"plain text", R"({\rtf1 Hello})", {{Text("Hello")}}},
        {"par splits, trailing empty dropped",
         R"({\rtf1 One\par Two\par})",
         {{Text("One")}, {Text("Two")}}},
        {"empty middle paragraph kept", R"({\rtf1 A\par\par B})", {{Text("A")}, {}, {Text("B")}}},
        {"empty document", R"({\rtf1})", {}},
        {"bold on and off", R"({\rtf1 a\b b\b0 c})", {{Text("a"), Bold("b"), Text("c")}}},
        {"\\b1 is on", R"({\rtf1\b1 a})", {{Bold("a")}}},
        {"group restores formatting", R"({\rtf1 a{\i b}c})", {{Text("a"), Italic("b"), Text("c")}}},
        {"same formatting merges across groups", R"({\rtf1 a{\b0 b}{c}})", {{Text("abc")}}},
        {"underline forms",
         R"({\rtf1\ul u\ulnone n\ul v\ul0 w})",
         {{Under("u"), Text("n"), Under("v"), Text("w")}}},
        {"plain resets everything",
         R"({\rtf1{\colortbl;\red1\green2\blue3;}\b\i\fs40\cf1 x\plain y})",
         {{boldItalicBig, Text("y")}}},
        {"font size", R"({\rtf1\fs18 s\fs24 t})", {{Sized("s", 18), Text("t")}}},
        {"colour table",
         R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green128\blue255;}\cf1 r\cf2 b\cf0 k})",
         {{Colored("r", 0xFF0000), Colored("b", 0x0080FF), Text("k")}}},
        {"colour index past the table is black",
         R"({\rtf1{\colortbl;\red9\green9\blue9;}a\cf7 b})",
         {{Text("ab")}}},
        {"colour reverts with its group",
         R"({\rtf1{\colortbl;\red0\green0\blue255;}{\cf1 a}b})",
         {{Colored("a", 0x0000FF), Text("b")}}},
        {"line and tab", R"({\rtf1 a\line b\tab c})", {{Text("a\nb\tc")}}},
        {"escaped braces and backslash", R"({\rtf1 \\\{\}})", {{Text("\\{}")}}},
        {"source line breaks ignored", "{\\rtf1 ab\r\ncd\n}", {{Text("abcd")}}},
        {"escaped newline is a paragraph", "{\\rtf1 a\\\nb}", {{Text("a")}, {Text("b")}}},
        {"non-breaking space and optional hyphen", R"({\rtf1 a\~b\-c})", {{Text("a\u00A0bc")}}},
        {"unknown words and parameters skipped",
         R"({\rtf1\ansi\ansicpg1252\deff0\pard\sa200\sl-276\slmult1 x})",
         {{Text("x")}}},
        {"space after a word is its delimiter only", R"({\rtf1\b  x})", {{Bold(" x")}}},
        {"destinations skipped",
         R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\*\generator Riched20;}{\info{\title T}})"
         R"({\stylesheet{\s0 Normal;}}{\header H}{\footer F}{\pict\pngblip 89504e}x})",
         {{Text("x")}}},
        {"unknown optional destination skipped", R"({\rtf1 a{\*\foo {b} c}d})", {{Text("ad")}}},
        {"\\bin bytes jumped over", "{\\rtf1 a{\\pict\\bin3 }{x}b}", {{Text("ab")}}},
        {"windows-1252 bytes",
         R"({\rtf1 caf\'e9 \'93q\'94\'96\'97\'92\'80})",
         {{Text("caf\u00E9 \u201Cq\u201D\u2013\u2014\u2019\u20AC")}}},
        {"unicode with default fallback", R"({\rtf1 \u8364?x})", {{Text("\u20ACx")}}},
        {"negative unicode value", R"({\rtf1 \u-3?})", {{Text("\uFFFD")}}},
        {"\\uc2 skips two", R"({\rtf1\uc2 \u8364 EUx})", {{Text("\u20ACx")}}},
        {"\\uc0 skips none", R"({\rtf1\uc0 \u8364 E})", {{Text("\u20ACE")}}},
        {"\\uc reverts with its group",
         R"({\rtf1{\uc2 \u233 ab}\u233 cd})",
         {{Text("\u00E9\u00E9d")}}},
        {"fallback given as \\'hh", R"({\rtf1 \u8220\'93x})", {{Text("\u201Cx")}}},
        {"surrogate pair", R"({\rtf1 \u-10179?\u-8704?})", {{Text("\xF0\x9F\x98\x80")}}},
    };

    for (const Case& c : cases) {
        RichTextDocument doc;
        std::string error;
        ASSERT_TRUE(ParseRichText(c.rtf, doc, error)) << c.name << ": " << error;
        Paragraphs got;
        for (const auto& p : doc.paragraphs) got.push_back(p.runs);
        EXPECT_EQ(got, c.expected) << c.name << "\n got:\n"
                                   << Describe(got) << " want:\n"
                                   << Describe(c.expected);
    }
}

TEST(RichText, RefusesNotRtfAndUnbalanced) {
    const std::vector<std::string> inputs = {
        "",
        "plain words",
        "{rtf1 x}",
        "{\\rtf1 missing close",
        "{\\rtf1 {inner}",
        "{\\rtf1 a}}",
        "{\\rtf1 a\\'",
        "{\\rtf1 a\\",
    };
    for (const std::string& in : inputs) {
        RichTextDocument doc;
        doc.paragraphs.resize(3);  // stale content must not survive a refusal
        std::string error;
        EXPECT_FALSE(ParseRichText(in, doc, error)) << in;
        EXPECT_FALSE(error.empty()) << in;
        EXPECT_TRUE(doc.paragraphs.empty()) << in;
    }
}

std::string Nested(int depth) {
    // The outer document group counts as one.
    return "{\\rtf1 " + std::string(static_cast<size_t>(depth - 1), '{') + "x" +
           std::string(static_cast<size_t>(depth), '}');
}

TEST(RichText, NestingLimit) {
    RichTextDocument doc;
    std::string error;
    EXPECT_TRUE(ParseRichText(Nested(256), doc, error)) << error;
    EXPECT_FALSE(ParseRichText(Nested(257), doc, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ParseRichText("{\\rtf1 " + std::string(100000, '{'), doc, error));
}

TEST(RichText, SizeLimit) {
    RichTextDocument doc;
    std::string error;
    std::string big = "{\\rtf1 " + std::string(4 * 1024 * 1024, 'a') + "}";
    EXPECT_FALSE(ParseRichText(big, doc, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace qd
