#pragma once
// Shared set-up of the statement tests: a fresh prover, its output captured.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "prover/prover.h"
#include "statement/tokenizer.h"

class StatementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        capture_ = std::make_unique<GprintCapture>();
        prover_reset();
    }
    void TearDown() override
    {
        set_prover_clock(nullptr);
        capture_.reset();
    }

    // Reads text as the window does after appending ".~".
    void read(std::string_view text, int method = kMethodDatabase)
    {
        g_method = method;
        capture_->clear();
        rd_stm(std::string(text) + ".~");
    }

    // Wraps hypothesis lines and a conclusion into a whole statement.
    void read_stm(std::string_view hyps, std::string_view show, int method = kMethodDatabase)
    {
        read("EXAMPLE t\nHYPOTHESES:\n" + std::string(hyps) + "\nSHOW: " + std::string(show) + "\n", method);
    }

    const std::string& out() const { return capture_->text(); }
    void clear_output() { capture_->clear(); }

    // The text gerror prints for what.
    static std::string error_text(std::string_view what)
    {
        return "\r\n Sytax error: \r\n" + std::string(what) + "\r\n\r\n";
    }

    // Tokens the reader takes from text as the window hands it over (under g_method); -1 when they overflow.
    static int token_count(std::string_view window_text)
    {
        std::vector<std::string> tokens;
        return cut_tokens(window_statement_text(window_text), tokens) ? static_cast<int>(tokens.size()) : -1;
    }

    // A shown statement as the show button prints it where the token limit
    // allows: a POINT line for every free point, "SHOW: NO." for a conclusion
    // written as nothing.
    static std::string ungathered(std::string_view shown)
    {
        std::string out;
        for (std::size_t at = 0; at < shown.size();) {
            std::size_t end = shown.find("\r\n", at);
            end = end == std::string_view::npos ? shown.size() : end + 2;
            const std::string_view line = shown.substr(at, end - at);
            at = end;
            if (line == "SHOW: .\r\n") {
                out += "SHOW: NO.\r\n";
            } else if (line.starts_with("POINT ") && line.ends_with(";\r\n")) {
                std::string_view names = line.substr(6, line.size() - 9);
                while (!names.empty()) {
                    const std::size_t blank = std::min(names.find(' '), names.size());
                    out += "POINT " + std::string(names.substr(0, blank)) + ";\r\n";
                    names.remove_prefix(std::min(blank + 1, names.size()));
                }
            } else {
                out += line;
            }
        }
        return out;
    }

    // The text that read as text is shown within the token limit, ungathered
    // wherever that fits, and gathered in no more tokens than text took.
    static void expect_shown_form(const std::string& shown, std::string_view text)
    {
        const std::string full = ungathered(shown);
        EXPECT_NE(token_count(shown), -1) << shown;
        if (token_count(full) != -1)
            EXPECT_EQ(shown, full);
        else
            EXPECT_LE(token_count(shown), token_count(text)) << shown;
    }

    // Index of the first record named name, 0 if none.
    static int pt(std::string_view name)
    {
        for (int i = 1; i <= g_npoints; ++i)
            if (g_pro_points[static_cast<std::size_t>(i)].name == name)
                return i;
        return 0;
    }

    static const Pro_point& rec(int i) { return g_pro_points[static_cast<std::size_t>(i)]; }

private:
    std::unique_ptr<GprintCapture> capture_;
};
