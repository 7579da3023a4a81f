// A record holds at most 29 members; the 30th ends the proof with a message
// on a line of its own.

#include <functional>

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using CapacityTest = GddTest;

TEST_F(CapacityTest, ThirtiethMemberAbortsWithMessage)
{
    struct Case {
        const char* message;
        std::function<void(int)> add_member;  // member k of the growing record, k from 4
        std::function<int()> members;
    };
    const auto only = [](const auto& list) {
        const auto live = live_records(list);
        return live.size() == 1 ? live[0]->count() : -1;
    };
    const Case cases[] = {
        {"\r\nMAX_GEO of ln overflow\r\n", [](int k) { add_line(0, 1, 2, k - 1); }, [&] { return only(g_ln_list); }},
        {"\r\nMAX_GEO of cr overflow\r\n",
         [](int k) { k == 4 ? add_cir3(0, 0, 1, 2, 3) : add_cir4(0, 0, 1, 2, 3, k - 1); },
         [&] { return only(g_cir_list); }},
        {"\r\nMAX_GEO of cg overflow\r\n", [](int k) { add_cong(0, 0, 1, 2, 2 * k - 5, 2 * k - 4); },
         [&] { return only(g_cg_list); }},
        {"\r\nMAX_GEO of st overflow\r\n", [](int k) { add_stri(0, 1, 1, 2, 3, 1, 2, k); },
         [&] { return only(g_st_list); }},
        {"\r\nMAX_GEO of ct overflow\r\n",
         [](int k) {
             g_tri_mode = 1;
             add_stri(0, 1, 1, 2, 3, 1, 2, k);
         },
         [&] { return only(g_ct_list); }},
        {"\r\nMAX_GEO of pn overflow\r\n", [](int k) { add_pline(0, 1, 2, 2 * k - 5, 2 * k - 4); },
         [&] { return only(g_pn_list); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        free_gdd();
        prover_reset();
        g_npoints = 70;
        g_tri_mode = 0;
        out.clear();
        int k = 4;
        while (c.members() < 29)
            c.add_member(k++);
        c.add_member(k - 1);  // already a member: no overflow
        EXPECT_TRUE(out.text().empty());
        EXPECT_THROW(c.add_member(k), ProverAbort);
        EXPECT_EQ(out.text(), c.message);
    }
}

}  // namespace
}  // namespace gddtest
