// Point files: a file that opens saves to a file that opens again, to the same
// drawing; what the writer could not write back is refused at the first open.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "construct/typed_values.h"
#include "export/export_fixture.h"
#include "export/fig_format.h"
#include "export/fig_text.h"

using namespace export_test;

namespace {

// Fields of an object line (0-based): the kind letters of aux1 and aux2, each
// followed by its value, and the length of the hide list, followed by its entries.
constexpr std::size_t kAux1Field = 19;
constexpr std::size_t kAux2Field = 21;
constexpr std::size_t kHideListField = 27;

// The fields of a line as the writer writes them (texts quoted), and back.
std::vector<std::string> tokens_of(const std::string& line)
{
    std::string error;
    std::vector<std::string> tokens;
    if (const auto fields = fig_text::split_fields(line, error))
        for (const fig_text::Field& f : *fields)
            tokens.push_back(f.quoted ? fig_text::quote(f.text) : f.text);
    return tokens;
}

std::string line_of(const std::vector<std::string>& tokens)
{
    std::string line;
    for (const std::string& t : tokens)
        line += (line.empty() ? "" : " ") + t;
    return line;
}

// Opens the file; what opens must save to a file that opens to the same
// drawing and saves to the same text. Returns the first open's result.
FigResult expect_refused_or_reopened_the_same(const std::string& text)
{
    Diagram first;
    FigExtras first_extras;
    const FigResult opened = parse_text(text, first, &first_extras);
    if (!opened.ok) {
        EXPECT_FALSE(opened.message.empty());
        return opened;
    }
    const std::string saved = fig_text_of(first, first_extras);
    Diagram second;
    FigExtras second_extras;
    const FigResult reopened = parse_text(saved, second, &second_extras);
    EXPECT_TRUE(reopened.ok) << "the saved file is refused: " << reopened.describe() << "\n" << saved;
    if (!reopened.ok)
        return opened;
    EXPECT_EQ(second.table.count(), first.table.count());
    for (int i = 0; i < std::min(first.table.count(), second.table.count()); ++i)
        expect_same_record(first.table.get(i), second.table.get(i), i);
    EXPECT_EQ(second.self_trace, first.self_trace);
    EXPECT_EQ(second_extras.expressions, first_extras.expressions);
    EXPECT_EQ(second_extras.view, first_extras.view);
    EXPECT_EQ(fig_text_of(second, second_extras), saved);
    return opened;
}

std::vector<std::string> corpus_files()
{
    std::vector<std::string> texts;
    for (const auto& entry : std::filesystem::directory_iterator(data_path("")))
        if (entry.path().extension() == ".fig")
            texts.push_back(read_file(entry.path().string()));
    return texts;
}

// A file with an object of every type, every field set.
std::string every_type_file() { return fig_text_of(full_diagram(), full_extras()); }

// The four free points of the every-type drawing come first in it.
constexpr int kFreePoints = 4;
// Line of the object in a one-object file (0-based): after the count and the free points.
constexpr std::size_t kOneObjectLine = 1 + kFreePoints;

// For each object of the every-type drawing past its free points, a file of
// the free points and that object, whose hide list keeps to the free points.
std::vector<std::string> one_object_files()
{
    const Diagram every = full_diagram();
    const int last_free_point = rec::kFirstObject + kFreePoints - 1;
    std::vector<std::string> files;
    for (int i = last_free_point + 1; i < every.table.count(); ++i) {
        Diagram d;
        for (int k = rec::kFirstObject; k <= last_free_point; ++k)
            d.table.append(every.table.get(k));
        Dpoint object = every.table.get(i);
        for (std::int32_t& hidden : object.hide_list)
            hidden = std::min(hidden, last_free_point);
        d.table.append(object);
        files.push_back(fig_text_of(d));
    }
    return files;
}

// The object line of a one-object file with some of its fields replaced; a
// refusal must name that line.
void expect_edit_refused_there_or_reopened(const std::string& file, const std::vector<std::string>& tokens)
{
    std::vector<std::string> lines = lines_of(file);
    lines.at(kOneObjectLine) = line_of(tokens);
    SCOPED_TRACE(lines[kOneObjectLine]);
    const FigResult opened = expect_refused_or_reopened_the_same(join(lines));
    if (!opened.ok) {
        EXPECT_EQ(opened.line, static_cast<int>(kOneObjectLine) + 1) << opened.describe();
    }
}

std::vector<std::string> object_tokens(const std::string& file)
{
    return tokens_of(lines_of(file).at(kOneObjectLine));
}

TEST(FigReopen, TheRotationWhoseAngleIsADoubleIsRefusedAtItsFirstOpen)
{
    const std::string text =
        "3\n"
        "101 \"A\" 1 1 1 1 1 0 0 0 0 0 0 0 0 100 100 -3 3 d 0 d 0 0 0 2 \"\" 0 0\n"
        "101 \"B\" 1 1 1 1 1 0 0 0 0 0 0 0 0 300 120 -3 3 d 0 d 0 0 0 2 \"\" 0 0\n"
        "470 \"P\" 1 1 1 1 1 20 21 0 0 0 0 0 0 150 110 -3 3 d 3.8 d 0 0 0 2 \"\" 0 0\n"
        "1111 0 0 0 0 0 0 0 0 20 20 1 0 0 0 65280 0 1 0 6 1 68 0 1 1 0 -1 400 1\n"
        "0\n0\n0\n0\n0 640 480\n";
    Diagram d;
    const FigResult result = parse_text(text, d);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.line, 4);
    EXPECT_EQ(result.message.rfind("object 22: aux1 ", 0), 0u) << result.describe();
}

// Each aux field of each type, given values of every kind as the writer writes
// them and as a hand might.
TEST(FigReopen, EveryObjectTypeWithEveryAuxKindIsRefusedOrReopensTheSame)
{
    struct KindValues {
        const char* letter;
        std::vector<std::string> values;
    };
    const KindValues kinds[] = {
        {"d", {"0", "3.8"}},
        {"i", {"-1", "1717986918"}},
        {"s", {"\"\"", "\"12345678\""}},
        {"x", {"000000000000f87f", "3100ff0000000000"}},
    };
    for (const std::string& file : one_object_files()) {
        for (const std::size_t field : {kAux1Field, kAux2Field}) {
            for (const KindValues& kind : kinds) {
                for (const std::string& value : kind.values) {
                    std::vector<std::string> tokens = object_tokens(file);
                    tokens.at(field) = kind.letter;
                    tokens.at(field + 1) = value;
                    expect_edit_refused_there_or_reopened(file, tokens);
                    if (HasFailure())
                        return;
                }
            }
        }
    }
}

// A hide list, in use or beyond its entries in use, on each type.
TEST(FigReopen, EveryObjectTypeWithAHideListIsRefusedOrReopensTheSame)
{
    const std::vector<std::vector<std::string>> lists = {
        {"0"}, {"1", "20"}, {"2", "20", "21"}, {"3", "20", "21", "22"}, {"4", "20", "21", "22", "23"}};
    for (const std::string& file : one_object_files()) {
        for (const auto& list : lists) {
            std::vector<std::string> tokens = object_tokens(file);
            const auto hide_list = tokens.begin() + kHideListField;
            const auto entries = std::stol(*hide_list);
            tokens.erase(hide_list, hide_list + 1 + entries);
            tokens.insert(tokens.begin() + kHideListField, list.begin(), list.end());
            expect_edit_refused_there_or_reopened(file, tokens);
            if (HasFailure())
                return;
        }
    }
}

TEST(FigReopen, EveryCorpusFileOpensAndReopensTheSame)
{
    const std::vector<std::string> corpus = corpus_files();
    ASSERT_GE(corpus.size(), 2u);
    for (const std::string& text : corpus) {
        SCOPED_TRACE(text);
        const FigResult opened = expect_refused_or_reopened_the_same(text);
        EXPECT_TRUE(opened.ok) << opened.describe();
    }
}

// Files of the corpus, the one-object files and the every-type file with a
// few fields replaced, dropped or added, at random (seeded).
TEST(FigReopen, RandomlyEditedFilesAreRefusedOrReopenTheSame)
{
    std::vector<std::vector<std::string>> bases;
    for (const std::string& file : corpus_files())
        bases.push_back(lines_of(file));
    for (const std::string& file : one_object_files())
        bases.push_back(lines_of(file));
    bases.push_back(lines_of(every_type_file()));
    const std::vector<std::string> pool = {
        "0",  "1",   "-1",  "20",  "21",  "25", "3.8", "-0", "1e300", "2147483648", "d", "i", "s", "x",
        "6",  "8",   "30",  "31",  "101", "180", "197", "425", "455", "459", "466", "470", "\"\"", "\"A\"",
        "\"12345678\"", "000000000000f87f", "ffffffffffffffff", "3100ff0000000000"};
    std::mt19937 random(20261207);
    const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const auto any_line = [&](const std::vector<std::string>& lines) { return tokens_of(lines[pick(lines.size())]); };
    constexpr int kFiles = 1000;
    int opened = 0;
    for (int n = 0; n < kFiles; ++n) {
        std::vector<std::string> lines = bases[pick(bases.size())];
        const std::size_t objects = std::stoul(lines.at(0));
        for (int edits = 1 + static_cast<int>(pick(2)); edits > 0; --edits) {
            // Mostly an object line, where the types meet their fields.
            std::string& line = lines[pick(4) > 0 && objects > 0 ? 1 + pick(objects) : pick(lines.size())];
            std::vector<std::string> tokens = tokens_of(line);
            if (tokens.empty())
                continue;
            const std::size_t at = pick(tokens.size());
            // A value from the pool, from the same field of a line of any
            // file (a type, a kind letter, a value), or from this file.
            std::string value = pool[pick(pool.size())];
            if (const std::size_t source = pick(3); source == 1) {
                const std::vector<std::string> other = any_line(bases[pick(bases.size())]);
                if (at < other.size())
                    value = other[at];
            } else if (source == 2) {
                const std::vector<std::string> other = any_line(lines);
                if (!other.empty())
                    value = other[pick(other.size())];
            }
            switch (pick(4)) {
            case 0: tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(at)); break;
            case 1: tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(at), value); break;
            default: tokens[at] = value; break;
            }
            line = line_of(tokens);
        }
        const std::string text = join(lines);
        SCOPED_TRACE(text);
        if (expect_refused_or_reopened_the_same(text).ok)
            ++opened;
        if (HasFailure())
            return;
    }
    // Enough of the edited files open for the property to be tried on them.
    EXPECT_GT(opened, kFiles / 20);
}

// A rotation's typed angle of more than seven characters fills aux1 and runs
// on into aux2, as the command stores it.
TEST(FigReopen, ARotationWhoseAngleRunsOnIntoAux2ReopensTheSame)
{
    for (const char* typed : {"123.45678", "-22.5000", "1234567", "7"}) {
        SCOPED_TRACE(typed);
        Diagram d;
        const int a = add_point(d, 101, "A", 10, 20);
        const int b = add_point(d, 101, "B", 30, 40);
        const int p = add_point(d, 470, "P", 50, 60, {a, b});
        store_angle_text(d.table[p], typed);

        Diagram read;
        const FigResult result = parse_text(fig_text_of(d), read);
        ASSERT_TRUE(result.ok) << result.describe();
        EXPECT_TRUE(same_bytes(read.table.get(p).aux1, d.table.get(p).aux1));
        EXPECT_TRUE(same_bytes(read.table.get(p).aux2, d.table.get(p).aux2));
        expect_refused_or_reopened_the_same(fig_text_of(d));
    }
}

// Only a rotation's angle may fill aux1 whole: a ratio word keeps its terminator.
TEST(FigReopen, OnlyARotationsAngleFillsAux1Whole)
{
    // Lines (0-based) of the ratio point and the rotation in the hand-written file.
    constexpr std::size_t kRatioLine = 5;
    constexpr std::size_t kRotationLine = 6;
    const std::vector<std::string> lines = lines_of(read_file(data_path("aux_kinds.fig")));
    for (const std::size_t line : {kRatioLine, kRotationLine}) {
        std::vector<std::string> edited = lines;
        std::vector<std::string> tokens = tokens_of(edited[line]);
        tokens.at(kAux1Field + 1) = "\"12345678\"";
        edited[line] = line_of(tokens);
        SCOPED_TRACE(edited[line]);
        Diagram d;
        const FigResult result = parse_text(join(edited), d);
        EXPECT_EQ(result.ok, line == kRotationLine) << result.describe();
        EXPECT_EQ(result.line, line == kRotationLine ? 0 : static_cast<int>(line) + 1);
    }
}

}  // namespace
