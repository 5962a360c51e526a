// gesui check on the example profiles: the findings each example is meant to show, the
// options, the exit status, the tab-separated file and the calculation sheet.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "common/numtext.h"
#include "common/textfile.h"
#include "kandoru/files/osa_file.h"
#include "support/golden.h"
#include "support/run_program.h"

using testing_support::examplesDir;
using testing_support::TempDir;

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

using testing_support::quoted;

// Runs a program line (program, then arguments) with the rendezvous folder in dir; its
// status and both output streams.
Outcome shell(const TempDir& dir, const std::string& line) {
    auto args = testing_support::splitArguments(line);
    const std::filesystem::path program = platform::pathFromUtf8(args.front());
    args.erase(args.begin());
    auto r = testing_support::runProgram(program, args, dir.path());
    return {r.status, r.out, r.err};
}

Outcome check(const TempDir& dir, const std::string& args) {
    return shell(dir, quoted(testing_support::gesuiProgram()) + " check " + args);
}

std::string example(const char* name) { return quoted(examplesDir() / name); }

std::vector<std::string> linesStarting(const std::string& text, const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& l : common::splitLines(text))
        if (l.starts_with(prefix)) out.push_back(l);
    return out;
}

TEST(GesuiCheck, EveryExampleGivesItsFindings) {
    struct Case {
        const char* profile;
        const char* format;
        size_t spans;
        std::vector<std::string> findings;
    };
    const Case cases[] = {
        {"three_routes.osa", "standard.osb", 5, {}},
        {"long_line.osa", "standard.osb", 12, {}},
        {"design_check_findings.osa",
         "design_check_findings.osb",
         8,  // 10 spans, two without hydraulics
         {
             "finding\tsize-min\t1\t150\t200",
             "finding\tvelocity-low\t2\t0.526\t0.600",
             "finding\tvelocity-low\t2-1\t0.526\t0.600",
             "finding\tspacing\t3\t80.000\t75.000",
             "finding\tcover\t3\t1.120\t1.200",
             "finding\tcover\t3\t1.160\t1.200",
             "finding\tdrop-pipe\t4\t1.388\t0.600",
             "finding\tvelocity-high\t5\t3.150\t3.000",
             "finding\tdrop-pipe\t5\t0.700\t0.600",
             "finding\tgradient\t6\t0.000\t0.000",
             "finding\tcover\t6変\t1.100\t1.200",
             "finding\tsize-max\t7\t700\t600",
             "finding\tmanhole-type\t7\t700\t600",
             "finding\tsize-decrease\t8\t600\t700",
             "finding\tsection-unknown\t8-1\t□900x900\t□B×H",
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profile);
        TempDir dir;
        const auto tsv = dir / "check.tsv";
        const Outcome r =
            check(dir, example(c.profile) + " " + example(c.format) + " --tsv " + quoted(tsv));
        EXPECT_EQ(r.status, c.findings.empty() ? 0 : 1) << r.err;
        EXPECT_EQ(r.err, "");
        const std::string text = common::readFileBytes(tsv).value_or("");
        EXPECT_EQ(linesStarting(text, "finding\t"), c.findings);
        EXPECT_EQ(linesStarting(text, "span\t").size(), c.spans);
        EXPECT_EQ(text.find('\r'), std::string::npos);
        const std::string count = c.findings.empty()
                                      ? "指摘はありません。"
                                      : "指摘 " + std::to_string(c.findings.size()) + " 件";
        EXPECT_NE(r.out.find(count), std::string::npos) << r.out;
    }
}

TEST(GesuiCheck, TheFindingsExampleShowsEveryRule) {
    TempDir dir;
    check(dir, example("design_check_findings.osa") + " " + example("design_check_findings.osb") +
                   " --tsv " + quoted(dir / "c.tsv"));
    std::set<std::string> rules;
    for (const std::string& l :
         linesStarting(common::readFileBytes(dir / "c.tsv").value_or(""), "finding\t"))
        rules.insert(l.substr(8, l.find('\t', 8) - 8));
    EXPECT_EQ(rules, (std::set<std::string>{"velocity-low", "velocity-high", "size-min", "size-max",
                                            "size-decrease", "gradient", "spacing", "cover",
                                            "manhole-type", "drop-pipe", "section-unknown"}));
}

TEST(GesuiCheck, PipeTypeAndSizeOptions) {
    TempDir dir;
    const std::string files = example("three_routes.osa") + " " + example("standard.osb");
    Outcome r = check(dir, files + " --pipe-type RC --tsv " + quoted(dir / "rc.tsv"));
    EXPECT_EQ(r.status, 0) << r.err;
    // 200 mm at 6 ‰ with n 0.013: (1/0.013) × 0.05^(2/3) × 0.006^(1/2).
    EXPECT_EQ(linesStarting(common::readFileBytes(dir / "rc.tsv").value_or(""), "span\t")[0],
              "span\t1\tφ200\t200\t6.000\t0.013\t0.809\t0.02541");
    r = check(dir, files + " --min-size 250 --max-size 1000 --tsv " + quoted(dir / "min.tsv"));
    EXPECT_EQ(r.status, 1);
    const auto findings =
        linesStarting(common::readFileBytes(dir / "min.tsv").value_or(""), "finding\t");
    ASSERT_EQ(findings.size(), 5u);
    EXPECT_EQ(findings[0], "finding\tsize-min\t1\t200\t250");
}

TEST(GesuiCheck, BadArgumentsExitTwo) {
    TempDir dir;
    const std::string files = example("three_routes.osa") + " " + example("standard.osb");
    const std::string cases[] = {
        files + " --pipe-type XX",
        files + " --min-size 0",
        files + " --min-size 700 --max-size 600",
        files + " --tsv " + quoted(dir / "missing" / "c.tsv"),
        quoted(dir / "missing.osa") + " " + example("standard.osb"),
        example("three_routes.osa") + " " + quoted(dir / "missing.osb"),
        example("three_routes.osa"),
    };
    for (const std::string& args : cases) {
        const Outcome r = check(dir, args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err, "") << args;
    }
}

// "Pages:" and "Page size:" of pdfinfo (poppler-utils).
std::pair<int, std::string> pdfPages(const TempDir& dir, const std::filesystem::path& pdf) {
    const Outcome info = shell(dir, quoted(GESUI_PDFINFO) + " " + quoted(pdf));
    EXPECT_EQ(info.status, 0) << "pdfinfo: " << info.err;
    std::smatch m;
    int pages = 0;
    std::string size;
    if (std::regex_search(info.out, m, std::regex("Pages:\\s+(\\d+)"))) pages = std::stoi(m[1]);
    if (std::regex_search(info.out, m, std::regex("Page size:\\s+([^\\n]*)"))) size = m[1];
    return {pages, size};
}

TEST(GesuiCheck, TheCalculationSheetIsAnA4Pdf) {
    if (std::string_view(GESUI_PDFINFO).empty()) GTEST_SKIP() << "a gesui without the sheet";
    TempDir dir;
    const Outcome r = check(dir, example("design_check_findings.osa") + " " +
                                     example("design_check_findings.osb") + " --pdf " +
                                     quoted(dir / "sheet.pdf"));
    EXPECT_EQ(r.status, 1) << r.err;
    const auto [pages, size] = pdfPages(dir, dir / "sheet.pdf");
    EXPECT_EQ(pages, 1);
    EXPECT_NE(size.find("(A4)"), std::string::npos) << size;

    // 150 routes: the span table runs over several pages.
    kandoru::Document doc;
    doc.settings.projectName = "長い路線";
    doc.settings.minCover = "1.2";
    doc.settings.manholeDrop = "20";
    doc.settings.outletRoute = "151";
    doc.settings.outletGround = "10.000";
    for (int i = 1; i <= 150; ++i) {
        const std::string label = std::to_string(i);
        doc.fgrid1.setText(i, 1, label);
        doc.fgrid1.setText(i, 2, "30.000");
        doc.fgrid1.setText(i, 3, "1");
        doc.fgrid1.setText(i, 4, common::formatMask(40.0 - 0.2 * i, 3));
        doc.fgrid2.setText(i, 1, label);
        doc.fgrid2.setText(i, 2, "30.000");
        doc.fgrid2.setText(i, 4, "φ200");
        doc.fgrid2.setText(i, 5, "6.000");
    }
    ASSERT_TRUE(kandoru::FileSave2(doc, dir / "long.osa"));
    const Outcome big = check(dir, quoted(dir / "long.osa") + " " + example("standard.osb") +
                                       " --pdf " + quoted(dir / "long.pdf"));
    EXPECT_EQ(big.status, 0) << big.err;
    const auto [bigPages, bigSize] = pdfPages(dir, dir / "long.pdf");
    EXPECT_GE(bigPages, 3);
    EXPECT_NE(bigSize.find("(A4)"), std::string::npos) << bigSize;
}

}  // namespace
