// Filling the Script Manager in one pass: a refill shows exactly what adding
// the lines one by one shows (lines, selection, extent, scroll ranges), and
// rewriting every later line shows what rewriting them one by one shows; both
// move the selection a fixed number of times whatever the drawing's size.

#include <gtest/gtest.h>

#include <QScrollBar>

#include <random>
#include <utility>

#include "construct/list_window.h"
#include "model/adding.h"
#include "script_fixture.h"

using script_test::ScriptHost;

namespace {

// What the list shows: each line with its width and whether it is selected,
// the current line, the extent and both scroll bars.
std::vector<std::string> shown(const ListWindow& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.count(); ++i)
        out.push_back(list.item(i)->text().toStdString() + " | " +
                      std::to_string(list.visualItemRect(list.item(i)).width()) +
                      (list.item(i)->isSelected() ? " selected" : ""));
    const QScrollBar& h = *list.horizontalScrollBar();
    const QScrollBar& v = *list.verticalScrollBar();
    out.push_back("current " + std::to_string(list.currentRow()) + ", extent " + std::to_string(list.max_extent()) +
                  ", h " + std::to_string(h.value()) + "/" + std::to_string(h.maximum()) + ", v " +
                  std::to_string(v.value()) + "/" + std::to_string(v.maximum()));
    return out;
}

// Objects whose lines differ much in width: points named with one to nine
// letters, midpoints and segments of earlier points, texts of up to 79
// characters.
void add_random_objects(ScriptHost& host, unsigned seed, int objects)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    auto text = [&pick](int longest) {
        std::string s(static_cast<std::size_t>(pick(1, longest)), 'P');
        for (std::size_t i = 1; i < s.size(); ++i)
            s[i] = "ilMW mxAZ"[pick(0, 8)];
        return s;
    };
    std::vector<int> points;
    auto any_point = [&] { return points[static_cast<std::size_t>(pick(0, int(points.size()) - 1))]; };
    for (int i = 0; i < objects; ++i) {
        switch (points.size() < 2 ? 0 : pick(0, 3)) {
        case 0: points.push_back(host.point(pick(0, 500), pick(0, 500), text(9).c_str())); break;
        case 1: points.push_back(host.object(103, 1, {any_point(), any_point()}, text(9).c_str())); break;
        case 2: host.object(135, 2, {any_point(), any_point()}); break;
        default: {
            Dpoint t(180, "x");
            t.cls = 6;
            t.set_text(text(79));
            add_obj(host.d, t);
        }
        }
    }
}

class ScriptFillTest : public ::testing::Test {
protected:
    void SetUp() override { ensure_widgets_application(); }
    void TearDown() override { delete g_script_mgr; }
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
            add_random_objects(other, seed + 100, 30);
            ListWindow& list = open(&host);
            add_random_objects(host, seed, objects);
            QCoreApplication::processEvents();
            const std::vector<std::string> appended = shown(list);
            ASSERT_EQ(list.lines(), host.expected_lines());

            // Another drawing shown first, then this one again: a refill.
            list.show_drawing(&other);
            ASSERT_EQ(list.lines(), other.expected_lines());
            list.show_drawing(&host);
            EXPECT_EQ(shown(list), appended);
            QCoreApplication::processEvents();
            EXPECT_EQ(shown(list), appended);
            delete g_script_mgr;
        }
    }
}

// Deleting an early object or renaming an early point rewrites every later
// line: at once, with what rewriting them one by one ends with.
TEST_F(ScriptFillTest, RewritingLaterLinesAtOnceEndsAsOneByOne)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        for (const bool rename : {false, true}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << (rename ? ", rename" : ", delete"));
            ScriptHost host;
            add_random_objects(host, seed, 60);
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
            EXPECT_EQ(shown(at_once), shown(one_by_one));
            QCoreApplication::processEvents();
            EXPECT_EQ(shown(at_once), shown(one_by_one));
            EXPECT_EQ(host.repaints, 0);
        }
    }
}

// Each move of the selection scrolls to it and lays the whole list out anew.
TEST_F(ScriptFillTest, RefillAndRewriteMoveTheSelectionAFixedNumberOfTimes)
{
    std::vector<int> refill_moves;
    std::vector<int> delete_moves;
    for (const int objects : {3, 30, 200}) {
        ScriptHost host;
        host.point(5, 5, "F");  // used by nothing
        add_random_objects(host, 11, objects - 1);
        ListWindow& list = open(nullptr);
        int moves = 0;
        QObject::connect(&list, &QListWidget::currentRowChanged, [&moves] { ++moves; });
        list.show_drawing(&host);
        EXPECT_EQ(list.currentRow(), objects - 1);
        refill_moves.push_back(std::exchange(moves, 0));

        ASSERT_TRUE(del_point(host.d, 0, 1, 0));
        EXPECT_EQ(list.lines(), host.expected_lines());
        EXPECT_EQ(list.currentRow(), objects - 2);
        delete_moves.push_back(moves);
        delete g_script_mgr;
    }
    EXPECT_EQ(refill_moves, std::vector<int>(3, 1)) << "once, to the last line";
    // The selected line goes with the lines rewritten, then their last is selected.
    EXPECT_EQ(delete_moves, std::vector<int>(3, 2));
}
