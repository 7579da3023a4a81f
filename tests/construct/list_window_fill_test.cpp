// Filling the Script Manager in one pass: a refill shows exactly what adding
// the lines one by one shows (lines, selection, extent, scroll ranges), and
// rewriting every later line shows what rewriting them one by one shows; both
// move the selection a fixed number of times whatever the drawing's size.

#include <gtest/gtest.h>

#include <QScrollBar>

#include <memory>
#include <random>

#include "construct/list_window.h"
#include "model/adding.h"
#include "script_fixture.h"

using script_test::ScriptHost;

namespace {

// What the list shows, as far as the lines, the selection and the scrolling go.
struct ShownList {
    std::vector<std::string> lines;
    int current = -1;
    std::vector<int> selected;
    int extent = 0;
    int h_max = 0;
    int h_value = 0;
    int v_max = 0;
    int v_value = 0;
    std::vector<int> line_widths;
};

ShownList shown(const ListWindow& list)
{
    ShownList s;
    s.lines = list.lines();
    s.current = list.currentRow();
    for (const QModelIndex& index : list.selectionModel()->selectedRows())
        s.selected.push_back(index.row());
    s.extent = list.max_extent();
    s.h_max = list.horizontalScrollBar()->maximum();
    s.h_value = list.horizontalScrollBar()->value();
    s.v_max = list.verticalScrollBar()->maximum();
    s.v_value = list.verticalScrollBar()->value();
    for (int i = 0; i < list.count(); ++i)
        s.line_widths.push_back(list.visualItemRect(list.item(i)).width());
    return s;
}

void expect_same(const ShownList& got, const ShownList& want)
{
    EXPECT_EQ(got.lines, want.lines);
    EXPECT_EQ(got.current, want.current);
    EXPECT_EQ(got.selected, want.selected);
    EXPECT_EQ(got.extent, want.extent);
    EXPECT_EQ(got.h_max, want.h_max);
    EXPECT_EQ(got.h_value, want.h_value);
    EXPECT_EQ(got.v_max, want.v_max);
    EXPECT_EQ(got.v_value, want.v_value);
    EXPECT_EQ(got.line_widths, want.line_widths);
}

// Random objects whose lines differ much in width: points with names of one
// to nine letters, midpoints and segments of earlier points, and texts of up
// to 79 characters.
class RandomDrawing {
public:
    explicit RandomDrawing(unsigned seed) : rng_(seed) {}

    void add_to(ScriptHost& host, int objects)
    {
        std::vector<int> points;
        for (int i = 0; i < objects; ++i) {
            const int kind = points.size() < 2 ? 0 : pick(0, 3);
            if (kind == 0) {
                points.push_back(host.point(pick(0, 500), pick(0, 500), text(1, 9).c_str()));
            } else if (kind == 1) {
                points.push_back(host.object(103, 1, {any_of(points), any_of(points)}, text(1, 9).c_str()));
            } else if (kind == 2) {
                host.object(135, 2, {any_of(points), any_of(points)});
            } else {
                Dpoint t(180, "x");
                t.cls = 6;
                t.set_text(text(1, 79));
                add_obj(host.d, t);
            }
        }
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    int any_of(const std::vector<int>& v) { return v[static_cast<std::size_t>(pick(0, int(v.size()) - 1))]; }
    std::string text(int shortest, int longest)
    {
        static const std::string letters = "ilMW mxAZ";
        std::string s(static_cast<std::size_t>(pick(shortest, longest)), ' ');
        for (char& c : s)
            c = letters[static_cast<std::size_t>(pick(0, int(letters.size()) - 1))];
        s.front() = 'P';
        return s;
    }

    std::mt19937 rng_;
};

class ScriptFillTest : public ::testing::Test {
protected:
    void SetUp() override { ensure_widgets_application(); }
    void TearDown() override
    {
        delete g_script_mgr;
        ASSERT_EQ(g_script_mgr, nullptr);
    }
    ListWindow& open(ScriptDrawing* drawing)
    {
        ListWindow& list = *open_script_manager(nullptr, drawing, boxes, dialogs);
        list.show();
        return list;
    }

    ScriptedMessageBoxes boxes;
    ScriptedObjectDialogs dialogs;
};

}  // namespace

TEST_F(ScriptFillTest, RefillShowsWhatAddingTheLinesOneByOneShows)
{
    for (const int objects : {0, 1, 2, 9, 40, 150}) {
        for (unsigned seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(testing::Message() << objects << " objects, seed " << seed);
            ScriptHost host;
            ScriptHost other("Diagram 2");
            RandomDrawing(seed + 100).add_to(other, 30);
            ListWindow& list = open(&host);
            RandomDrawing(seed).add_to(host, objects);
            QCoreApplication::processEvents();
            const ShownList appended = shown(list);
            ASSERT_EQ(appended.lines, host.expected_lines());

            // Another drawing shown first, then this one again: a refill.
            list.show_drawing(&other);
            ASSERT_EQ(list.lines(), other.expected_lines());
            list.show_drawing(&host);
            expect_same(shown(list), appended);
            QCoreApplication::processEvents();
            expect_same(shown(list), appended);
            delete g_script_mgr;
        }
    }
}

TEST_F(ScriptFillTest, RefillScrollsToItsSelectionAFixedNumberOfTimes)
{
    std::vector<int> row_changes;
    for (const int objects : {3, 30, 200}) {
        ScriptHost host;
        RandomDrawing(7).add_to(host, objects);
        ListWindow& list = open(nullptr);
        int changes = 0;
        QObject::connect(&list, &QListWidget::currentRowChanged, [&changes] { ++changes; });
        list.show_drawing(&host);
        ASSERT_EQ(list.lines(), host.expected_lines());
        EXPECT_EQ(list.currentRow(), objects - 1);
        row_changes.push_back(changes);
        delete g_script_mgr;
    }
    EXPECT_EQ(row_changes, std::vector<int>(3, 1)) << "the selection moves once, to the last line";
}

// Deleting an early object or renaming an early point rewrites every later
// line: at once, with what rewriting them one by one ends with.
TEST_F(ScriptFillTest, RewritingLaterLinesAtOnceEndsAsOneByOne)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        for (const bool rename : {false, true}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << (rename ? ", rename" : ", delete"));
            ScriptHost host;
            RandomDrawing(seed).add_to(host, 60);
            ListWindow one_by_one(nullptr, boxes, dialogs);
            ListWindow at_once(nullptr, boxes, dialogs);
            for (ListWindow* list : {&one_by_one, &at_once}) {
                list->show();
                list->set_drawing(&host);
                list->Refill();
                list->setCurrentRow(static_cast<int>(seed) * 7);
            }
            ObjectTable& t = host.t();
            int from = static_cast<int>(seed) * 3;
            // As the table operations do while they rewrite several lines.
            t.repaint_switch() = 0;
            if (rename) {
                t[from + rec::kFirstObject].set_name("Wide" + std::to_string(seed) + "WMW");
            } else {
                // The first object from there on that nothing uses.
                while (!del_point(host.d, from, 1, 0))
                    ++from;
                one_by_one.DeleteLine(from);
                at_once.DeleteLine(from);
            }
            const int end = t.count() - rec::kFirstObject;
            for (int pos = from; pos < end; ++pos)
                one_by_one.UpdateLine(pos);
            at_once.UpdateLines(from, end);
            t.repaint_switch() = 1;
            EXPECT_EQ(at_once.lines(), host.expected_lines());
            expect_same(shown(at_once), shown(one_by_one));
            QCoreApplication::processEvents();
            expect_same(shown(at_once), shown(one_by_one));
            EXPECT_EQ(host.repaints, 0);
        }
    }
}

TEST_F(ScriptFillTest, DeletingAnEarlyObjectScrollsAFixedNumberOfTimes)
{
    std::vector<int> row_changes;
    for (const int objects : {3, 30, 200}) {
        ScriptHost host;
        host.point(5, 5, "F");  // used by nothing
        RandomDrawing(11).add_to(host, objects - 1);
        ListWindow& list = open(&host);
        int changes = 0;
        QObject::connect(&list, &QListWidget::currentRowChanged, [&changes] { ++changes; });
        ASSERT_TRUE(del_point(host.d, 0, 1, 0));
        EXPECT_EQ(list.lines(), host.expected_lines());
        EXPECT_EQ(list.currentRow(), objects - 2);
        row_changes.push_back(changes);
        delete g_script_mgr;
    }
    // The selected line goes with the lines rewritten, then their last is selected.
    EXPECT_EQ(row_changes, std::vector<int>(3, 2));
}
