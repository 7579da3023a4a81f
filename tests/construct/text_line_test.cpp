// Object and construction text lines of every object type, in both styles.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "construct/text_line.h"
#include "model/object_table.h"
#include "support/golden_file.h"

namespace {

// A table with the points A..F at 20..25 and the object X at 26 whose
// parents are the given argument indices.
struct Drawing {
    ObjectTable t;
    int x = 0;

    explicit Drawing(int type, std::vector<int> args = {20, 21, 22, 23, 24, 25}, int cls = 1,
                     const char* names = "ABCDEF")
    {
        for (const char* c = names; *c; ++c) {
            Dpoint p(101, std::string(1, *c));
            p.cls = 1;
            t.append(p);
        }
        Dpoint o(type, "X");
        o.cls = static_cast<std::int8_t>(cls);
        for (std::size_t i = 0; i < args.size() && i < 8; ++i)
            o.arg[i] = args[i];
        x = t.append(o);
    }
    Dpoint& object() { return t[x]; }
    std::string text(int style) { return obj_text(t, style, x); }
};

class TextStatusLog : public TextStatus {
public:
    std::vector<std::string> pane1, pane3;
    void set_status1(std::string_view text) override { pane1.emplace_back(text); }
    void set_status3(std::string_view text) override { pane3.emplace_back(text); }
};

constexpr const char* kCap = "\u2229";  // the intersection sign

}  // namespace

// Every type's object and construction texts in both styles, against a
// golden list (construct/text_lines.txt).
TEST(TextLine, EveryTypeInBothStylesMatchesTheGoldenList)
{
    const struct {
        int cls;
        std::vector<int> types;
    } groups[] = {
        {1, {99, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117,
             118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 132, 133}},
        {2, {135, 136, 143, 145, 146, 147, 181, 182, 183, 186, 187, 192, 222, 455, 456, 457, 458, 460, 465}},
    };
    std::string text;
    for (const auto& g : groups)
        for (int type : g.types) {
            Drawing d(type, {20, 21, 22, 23, 24, 25}, g.cls);
            text += std::to_string(type) + " | " + d.text(1) + " | " + d.text(2) + " | " +
                    cons_text(d.t, 1, d.x) + " | " + cons_text(d.t, 2, d.x) + "\n";
        }
    expect_golden_file("construct", "text_lines.txt", text);
}

TEST(ConstructionTextLine, RatioPointsAndRotations)
{
    const struct {
        int type;
        const char* r1;
        const char* r2;
        const char* text;
    } cases[] = {
        {197, "1", "2", "X=Lratio_point(AB,1,2)"},
        {198, "1", "2", "X=Mratio_point(AB,1,2)"},
        {199, "1", "2", "X=Pratio_point(ABC,1,2)"},
        {197, "", "", "X=Lratio_point(AB,,)"},
        {198, "-3/4", "7.5", "X=Mratio_point(AB,-3/4,7.5)"},
        {470, "30", "", "X=NROTATE(AB,30)"},
    };
    for (const auto& c : cases) {
        Drawing d(c.type);
        d.object().aux1.set_text(c.r1);
        d.object().aux2.set_text(c.r2);
        EXPECT_EQ(d.text(1), c.text);
        EXPECT_EQ(d.text(2), c.text);
    }
    Drawing protate(471);
    EXPECT_EQ(protate.text(1), "X=PROTATE(AB,CDE)");
    EXPECT_EQ(protate.text(2), "X=PROTATE(AB,CDE)");
}

TEST(ConstructionTextLine, TypedAngleRunsOnFromAux1IntoAux2)
{
    Drawing d(470);
    // Nine characters fill aux1 without a terminator and go on in aux2.
    std::memcpy(d.object().aux1.s, "-123.456", 8);
    d.object().aux2.set_text("7");
    EXPECT_EQ(d.text(1), "X=NROTATE(AB,-123.4567)");
    // Eight bytes of aux2 without a terminator either: the text stops there.
    std::memcpy(d.object().aux2.s, "ABCDEFGH", 8);
    EXPECT_EQ(aux_run_text(d.object()), "-123.456ABCDEFGH");
}

TEST(ConstructionTextLine, LratioPointWritesItsWordsToTheStatusBar)
{
    for (int style : {1, 2}) {
        Drawing d(197);
        d.object().aux1.set_text("3");
        d.object().aux2.set_text("5");
        TextStatusLog log;
        obj_text(d.t, style, d.x, &log);
        EXPECT_EQ(log.pane1, std::vector<std::string>{"3"});
        EXPECT_EQ(log.pane3, std::vector<std::string>{"5"});
    }
    Drawing rotation(470);
    rotation.object().aux1.set_text("45");
    TextStatusLog log;
    obj_text(rotation.t, 1, rotation.x, &log);
    EXPECT_EQ(log.pane1, std::vector<std::string>{"45"});
    EXPECT_TRUE(log.pane3.empty());
    // The other ratio points leave the status bar alone.
    for (int type : {198, 199, 471, 116, 103}) {
        Drawing d(type);
        TextStatusLog other;
        obj_text(d.t, 1, d.x, &other);
        EXPECT_TRUE(other.pane1.empty() && other.pane3.empty()) << "type " << type;
    }
}

TEST(ConstructionTextLine, TypesWithoutARowGiveTheEmptyText)
{
    for (int type : {0, 100, 101, 103, 109, 129, 133, 134, 135, 200, 472, 999}) {
        Drawing d(type);
        EXPECT_EQ(cons_text(d.t, 1, d.x), "") << "type " << type;
        EXPECT_EQ(cons_text(d.t, 2, d.x), "") << "type " << type;
    }
    // Neither does the object text invent one.
    for (int type : {0, 100, 134, 200, 999}) {
        Drawing d(type);
        EXPECT_EQ(d.text(1), "") << "type " << type;
    }
}

TEST(ObjectTextLine, MultiCharacterNamesRunTogether)
{
    Drawing mid(103, {20, 21}, 1, "AB");
    mid.t[20].set_name("A1");
    mid.t[21].set_name("B2");
    EXPECT_EQ(mid.text(1), "X= midpoint(A1B2)");

    Drawing on_line(110, {20, 21}, 1, "AB");
    on_line.t[20].set_name("A1");
    EXPECT_EQ(on_line.text(1), "X: a point on line(A1B)");

    // The longest line: type 128 with names of nine characters.
    Drawing longest(128, {20, 21, 22, 23, 24, 25}, 1, "ABCDEF");
    for (int k = 20; k <= 26; ++k)
        longest.t[k].set_name(std::string(9, static_cast<char>('A' + k - 20)));
    const std::string text = longest.text(1);
    // 84 bytes with a two-byte sign; the sign is three bytes in UTF-8.
    EXPECT_EQ(text.size(), 84u - 2u + std::strlen(kCap));
    EXPECT_EQ(text.substr(0, 22), "GGGGGGGGG=Rcircle(AAAA");
}

TEST(ObjectTextLine, DrivingPointClassWinsOverTheType)
{
    for (int type : {101, 103, 135, 0}) {
        Drawing d(type, {22, 20}, 8);
        EXPECT_EQ(d.text(1), "Driving point:C");
        EXPECT_EQ(d.text(2), "Driving point:C");
    }
}

TEST(ObjectTextLine, FilledPolygonNamesCountMinusOneVertices)
{
    const struct {
        int count;
        const char* text;
    } cases[] = {
        {5, "Fill Polygon A B C D"},
        {4, "Fill Polygon A B C"},
        {1, "Fill Polygon"},
        {0, "Fill Polygon"},
        {-7, "Fill Polygon"},
        // Never more than the eight arguments the record holds.
        {9, "Fill Polygon A B C D E F G H"},
        {200, "Fill Polygon A B C D E F G H"},
    };
    for (const auto& c : cases) {
        Drawing d(144, {20, 21, 22, 23, 24, 25, 26, 27}, 3, "ABCDEFGH");
        d.object().name_dx = static_cast<std::int16_t>(c.count);
        EXPECT_EQ(d.text(1), c.text) << "count " << c.count;
        EXPECT_EQ(d.text(2), c.text) << "count " << c.count;
    }
}

TEST(ObjectTextLine, TextsAndButtons)
{
    Drawing text(180, {}, 6);
    text.object().set_text("Given a triangle");
    EXPECT_EQ(text.text(1), "Text: Given a triangle");
    EXPECT_EQ(text.text(2), "Text: Given a triangle");

    Drawing empty_text(180, {}, 6);
    EXPECT_EQ(empty_text.text(1), "Text: ");

    Drawing hide(466, {}, 7);
    hide.object().set_name("Hide");
    EXPECT_EQ(hide.text(1), "Button:Hide");
    EXPECT_EQ(hide.text(2), "Button:Hide");
}

TEST(ObjectTextLine, HiddenObjectsReadLikeShownOnes)
{
    for (int type : {101, 103, 135, 143, 116}) {
        Drawing d(type);
        const std::string shown = d.text(1);
        d.object().shown = 0;
        d.object().name_shown = 0;
        EXPECT_EQ(d.text(1), shown) << "type " << type;
    }
}

TEST(ObjectTextLine, UnknownStyleAndBadIndicesStaySafe)
{
    Drawing d(103);
    EXPECT_EQ(obj_text(d.t, 3, d.x), "");
    EXPECT_EQ(obj_text(d.t, 0, d.x), "");
    // An object past the table reads as an empty record.
    EXPECT_EQ(obj_text(d.t, 1, 500), "");
    // Parent indices outside the table give empty names, never garbage.
    d.object().arg[0] = 9999;
    d.object().arg[1] = -4;
    EXPECT_EQ(d.text(1), "X= midpoint()");
}
