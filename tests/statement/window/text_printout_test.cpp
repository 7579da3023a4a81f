// Printing the prover's text: pages, lines per page, tabs, and a whole print
// job on a file printer.

#include <gtest/gtest.h>

#include <QFont>
#include <QPrinter>

#include <filesystem>

#include "prover_fixture.h"
#include "statement/window/prover_commands.h"

namespace {

struct PageCase {
    int lines;
    int per_page;
    int pages;
    int last_first;  // first line of the last page
    int last_end;
};

const PageCase kPages[] = {
    {130, 60, 3, 120, 130}, {120, 60, 2, 60, 120}, {1, 60, 1, 0, 1},
    {0, 60, 1, 0, 0},       {61, 60, 2, 60, 61},   {5, 1, 5, 4, 5},
};

class PrintoutPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(PrintoutPages, LinesRunOverThePages)
{
    const PageCase& c = GetParam();
    EXPECT_EQ(printout_page_count(c.lines, c.per_page), c.pages);
    const PageLines last = printout_page_lines(c.pages, c.lines, c.per_page);
    EXPECT_EQ(last.first, c.last_first);
    EXPECT_EQ(last.end, c.last_end);
    // Every line is on exactly one page.
    int covered = 0;
    for (int page = 1; page <= c.pages; ++page) {
        const PageLines p = printout_page_lines(page, c.lines, c.per_page);
        EXPECT_EQ(p.first, covered);
        covered = p.end;
    }
    EXPECT_EQ(covered, c.lines);
}

INSTANTIATE_TEST_SUITE_P(Layouts, PrintoutPages, ::testing::ValuesIn(kPages));

TEST(Printout, TabsGoToTheNextStop)
{
    EXPECT_EQ(expand_tabs("a\tb"), "a       b");
    EXPECT_EQ(expand_tabs("\t"), "        ");
    EXPECT_EQ(expand_tabs("12345678\tx"), "12345678        x");
    EXPECT_EQ(expand_tabs("ab\tc", 4), "ab  c");
    // A long line is printed whole.
    EXPECT_EQ(expand_tabs(std::string(400, 'x')).size(), 400u);
}

TEST(Printout, AWholeJobOnAFilePrinter)
{
    ProverWindow w;
    std::string text;
    for (int i = 1; i <= 130; ++i)
        text += "line " + std::to_string(i) + "\n";
    w.set_text(text);

    const std::string& pdf = w.pdf;
    std::filesystem::remove(pdf);
    // Cancelled: nothing printed.
    w.printing.push_answer(false);
    w.command(pcmd::kPrint);
    EXPECT_EQ(w.printing.print_dialogs(), 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));

    w.command(pcmd::kPrint);
    ASSERT_NE(w.app->printer(), nullptr);
    EXPECT_EQ(w.app->printer()->docName().toStdString(), "Title");
    EXPECT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(w.app->printing(), 0);

    const QFont font = w.app->edit()->font();
    APXPrintOut printout(std::vector<std::string>(130, "x"), &font);
    const int per_page = printout.lines_per_page(*w.app->printer());
    EXPECT_GT(per_page, 10);
    EXPECT_EQ(printout.Print(*w.app->printer()), printout_page_count(130, per_page));

    w.command(pcmd::kPrintSetup);
    EXPECT_EQ(w.printing.setups(), 1);
}

}  // namespace
