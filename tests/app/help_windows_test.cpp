// Help, manuals, links and the information windows against recording fakes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/HelpWindows.h"
#include "app/Link.h"
#include "app/QD720SIM.h"
#include "support/RecordingPlatform.h"

namespace qd {
namespace {

using testing::RecordingPlatform;
namespace fs = std::filesystem;

const std::string kBase = "SOFTWARE\\Torvane\\QD720\\SETUP\\";
const char* kRevisionQuestion =
    "This software has recently been updated, would you like to view the changes?\r\rThe "
    "Software Revision history is also available in the about window that can be activated "
    "from the help menu.";

// A program folder of its own per test, emptied first.
std::string Folder(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() / ("qd720-help-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

void Put(const std::string& folder, const std::string& file, const std::string& text) {
    std::ofstream(fs::path(folder) / file, std::ios::binary) << text;
}

struct Sim {
    RecordingPlatform p;
    std::string folder;
    Program program;

    explicit Sim(const std::string& name, bool returningUser = true) : folder(Folder(name)) {
        if (returningUser) p.SeedReturningUser();
    }
    TSimForm& Start() {
        program = StartProgram(p.services, folder + "/qd720sim");
        return *program.form;
    }
    int Count(const std::string& kind, const std::string& text) const {
        int n = 0;
        for (const auto& m : p.messages) n += m.kind == kind && m.text == text;
        return n;
    }
};

TEST(HelpWindowsTest, ManualsOpenOnlyWithAHandlerAndTheirFile) {
    struct Case {
        void (TSimForm::*click)();
        const char* file;
    };
    const Case manuals[] = {{&TSimForm::PDFClick, "DOCQ482157300.PDF"},
                            {&TSimForm::PDFClick2, "TM.QD720.01.PDF"},
                            {&TSimForm::PDFClick3, "DOCR6630915.PDF"}};
    for (const Case& c : manuals) {
        SCOPED_TRACE(c.file);
        Sim s("manual");
        TSimForm& f = s.Start();
        s.p.events.clear();

        // No handler: only the information box, even with the file present.
        Put(s.folder, c.file, "%PDF-1.4");
        (f.*c.click)();
        EXPECT_EQ(s.p.messages.back().kind, "information");
        EXPECT_EQ(s.p.messages.back().text,
                  "This option requires a PDF viewer to be installed on your PC.");
        EXPECT_TRUE(s.p.events.empty());

        s.p.pdfHandler = true;
        (f.*c.click)();
        const std::string path = (fs::path(s.folder) / c.file).string();
        ASSERT_EQ(s.p.events.size(), 1u);
        EXPECT_EQ(s.p.events.back(), "open " + path);
        EXPECT_EQ(f.PDFLINK.target, path);

        // Handler but no file: only the error.
        fs::remove(path);
        s.p.messages.clear();
        (f.*c.click)();
        ASSERT_EQ(s.p.messages.size(), 1u);
        EXPECT_EQ(s.p.messages.back().kind, "error");
        EXPECT_EQ(s.p.messages.back().text, "PDF File not found!");
        EXPECT_EQ(s.p.events.size(), 1u);
    }
}

TEST(HelpWindowsTest, HelpTopicsPickTheCompiledOrTheClassicHelp) {
    struct Case {
        const char* topic;
        bool viewer;
        HelpKind kind;
        const char* file;
        const char* page;
    };
    const Case cases[] = {
        {"Welcome", true, HelpKind::Html, "QD720SIM.qhc", "Welcome.html"},
        {"ProgramSetup", true, HelpKind::Html, "QD720SIM.qhc", "ProgramSetup.html"},
        {"Keypad.htm", true, HelpKind::Html, "QD720SIM.qhc", "Keypad.htm"},
        {"Keypad.html", true, HelpKind::Html, "QD720SIM.qhc", "Keypad.html"},
        {"Welcome", false, HelpKind::Classic, "QD720SIM.HLP", "Welcome"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.topic);
        const HelpRequest r = HelpFor("/opt/qd", c.topic, c.viewer);
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.file, std::string("/opt/qd/") + c.file);
        EXPECT_EQ(r.page, c.page);
    }

    Sim s("help");
    TSimForm& f = s.Start();
    s.p.helpViewer = true;
    f.HelpClick();
    EXPECT_EQ(s.p.events.back(), "help " + s.folder + "/QD720SIM.qhc Welcome.html");
    EXPECT_TRUE(s.p.messages.empty());
}

TEST(HelpWindowsTest, HideDialogRoundTripsThroughL30) {
    Sim s("info", false);
    Put(s.folder, "QD720SIM_INF.RTF", "{\\rtf1 {\\b Welcome}\\par Second line\\par}");
    TSimForm& f = s.Start();
    TSimInformation& d = f.helpWindows.information;
    ASSERT_TRUE(f.showSimulatorInformation);

    ASSERT_TRUE(d.FormShow(f));
    EXPECT_FALSE(d.HideDialog.checked);
    ASSERT_EQ(d.view.document.paragraphs.size(), 2u);
    EXPECT_EQ(d.view.document.paragraphs[0].runs[0].text, "Welcome");
    EXPECT_TRUE(d.view.document.paragraphs[0].runs[0].bold);

    d.HideDialog.checked = true;
    d.FormClose(f);
    EXPECT_EQ(s.p.store[kBase + "PRG\\L30"], "0");
    EXPECT_FALSE(f.showSimulatorInformation);

    // The next start: splash only, and the box comes back ticked.
    Sim next("info-next", false);
    next.p.store = s.p.store;
    Put(next.folder, "QD720SIM_INF.RTF", "{\\rtf1 x}");
    TSimForm& g = next.Start();
    EXPECT_FALSE(g.InfoTimer.Enabled());
    EXPECT_TRUE(g.SplashTimer.Enabled());
    ASSERT_TRUE(g.helpWindows.information.FormShow(g));
    EXPECT_TRUE(g.helpWindows.information.HideDialog.checked);
    g.helpWindows.information.HideDialog.checked = false;
    g.helpWindows.information.FormClose(g);
    EXPECT_EQ(next.p.store[kBase + "PRG\\L30"], "1");
    EXPECT_TRUE(g.showSimulatorInformation);
}

TEST(HelpWindowsTest, AnUnloadablePageShowsItsMessageAndStillStoresL30) {
    const struct {
        const char* name;
        bool present;
        const char* text;
    } cases[] = {{"missing", false, ""},
                 {"empty", true, ""},
                 {"not-rtf", true, "plain text"},
                 {"unbalanced", true, "{\\rtf1 {\\b open"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Sim s(std::string("bad-") + c.name);
        if (c.present) {
            Put(s.folder, "QD720SIM_INF.RTF", c.text);
            Put(s.folder, "QD720SIM_REV.RTF", c.text);
        }
        TSimForm& f = s.Start();
        s.p.store.erase(kBase + "PRG\\L30");
        f.showSimulatorInformation = true;

        EXPECT_FALSE(f.helpWindows.information.FormShow(f));
        EXPECT_EQ(s.Count("information", "Simulation Information Unavailable!"), 1);
        // Closed at once from the unchanged box.
        EXPECT_EQ(s.p.store[kBase + "PRG\\L30"], "1");

        EXPECT_FALSE(f.helpWindows.revisionHistory.FormShow(f));
        EXPECT_EQ(s.Count("information", "Revision History Unavailable!"), 1);
        EXPECT_FALSE(f.helpWindows.revisionHistory.view.loaded);
        EXPECT_EQ(f.helpWindows.revisionHistory.view.placeholder, "Revision History Unavailable");
    }

    // A folder of the page's name is no page either.
    Sim s("bad-folder");
    fs::create_directories(fs::path(s.folder) / "QD720SIM_REV.RTF");
    TSimForm& f = s.Start();
    EXPECT_FALSE(f.helpWindows.revisionHistory.FormShow(f));
}

TEST(HelpWindowsTest, RevisionQuestionOnTheFirstRunOnlyAndOnlyWithItsPage) {
    Sim first("rev", false);
    Put(first.folder, "QD720SIM_REV.RTF", "{\\rtf1 Changes}");
    first.p.confirmAnswer = true;
    first.Start();
    EXPECT_EQ(first.Count("confirm", kRevisionQuestion), 1);
    EXPECT_NE(std::find(first.p.events.begin(), first.p.events.end(), "modal TREVHIS1"),
              first.p.events.end());
    EXPECT_EQ(first.p.store[kBase + "PROGRAM\\VERSION"], "1.00.600");

    Sim next("rev-next", false);
    next.p.store = first.p.store;
    Put(next.folder, "QD720SIM_REV.RTF", "{\\rtf1 Changes}");
    next.Start();
    EXPECT_EQ(next.Count("confirm", kRevisionQuestion), 0);

    // An older version asks again; no page, no question.
    Sim older("rev-older");
    older.p.store[kBase + "PROGRAM\\VERSION"] = "1.00.500";
    Put(older.folder, "QD720SIM_REV.RTF", "{\\rtf1 Changes}");
    older.Start();
    EXPECT_EQ(older.Count("confirm", kRevisionQuestion), 1);
    Sim nopage("rev-nopage", false);
    nopage.Start();
    EXPECT_EQ(nopage.Count("confirm", kRevisionQuestion), 0);
}

TEST(HelpWindowsTest, AboutBoxAndLinks) {
    Sim s("about");
    TSimForm& f = s.Start();
    TAboutBox& a = f.helpWindows.about;
    a.FormShow();
    EXPECT_EQ(a.caption, "About Torvane QD720 Software");
    EXPECT_EQ(a.versionLabel, "Version 1.00.600");
    EXPECT_EQ(a.URL.target, kHomePage);
    EXPECT_EQ(a.RevisionHistory.hint, "Revision History");
    a.RevisionHistoryClick(f);
    EXPECT_EQ(s.p.events.back(), "modal TREVHIS1");

    f.btnHomePageClick();
    EXPECT_EQ(s.p.events.back(), std::string("open ") + kHomePage);

    // Without a target the label's own click runs and nothing opens.
    const auto opened = s.p.events.size();
    int clicks = 0;
    ClickLink(f.URL2, s.p, [&clicks] { ++clicks; });
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(s.p.events.size(), opened);
}

TEST(HelpWindowsTest, HelpTabRowsRunTheirHandlers) {
    Sim s("rows");
    TSimForm& f = s.Start();
    s.p.pdfHandler = true;
    s.p.helpViewer = true;
    for (const char* pdf : {"DOCQ482157300.PDF", "TM.QD720.01.PDF", "DOCR6630915.PDF"})
        Put(s.folder, pdf, "%PDF");
    const auto& rows = HelpTabRows();
    ASSERT_EQ(rows.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) {
        (f.*rows[i].click)();
        SCOPED_TRACE(rows[i].caption);
        EXPECT_TRUE(s.p.messages.empty());
    }
    ASSERT_GE(s.p.events.size(), 4u);
    const std::vector<std::string> tail(s.p.events.end() - 4, s.p.events.end());
    EXPECT_EQ(tail[0], "open " + s.folder + "/DOCQ482157300.PDF");
    EXPECT_EQ(tail[1], "open " + s.folder + "/TM.QD720.01.PDF");
    EXPECT_EQ(tail[2], "open " + s.folder + "/DOCR6630915.PDF");
    EXPECT_EQ(tail[3], "help " + s.folder + "/QD720SIM.qhc Welcome.html");
    EXPECT_EQ(&(f.*rows[0].link), &f.URL1);
    EXPECT_EQ(&(f.*rows[3].link), &f.URL2);
}

TEST(HelpWindowsTest, ClosingTheWindowStoresTheTerminalBoard) {
    for (const bool board : {true, false}) {
        Sim s("close");
        TSimForm& f = s.Start();
        f.TerminalVersion.checked = board;
        f.FormClose();
        EXPECT_EQ(s.p.store[kBase + "PRG\\T01"], board ? "1" : "0");
    }
}

}  // namespace
}  // namespace qd
