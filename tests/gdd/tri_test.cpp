// Similar and congruent triangles.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using TriTest = GddTest;

struct Member {
    int num, a, b, c;
    bool operator==(const Member&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Member& m)
{
    return os << '(' << m.num << ';' << m.a << ',' << m.b << ',' << m.c << ')';
}

std::vector<Member> members(const Gdd_tri* T)
{
    std::vector<Member> v;
    for (int k = 0; k <= T->last; ++k) {
        const auto i = static_cast<std::size_t>(k);
        v.push_back({T->num[i], T->va[i], T->vb[i], T->vc[i]});
    }
    return v;
}

Gdd_tri* make_group(std::initializer_list<Member> ms)
{
    Gdd_tri* T = tri_list().append();
    T->state = kLive;
    T->last = static_cast<std::int8_t>(ms.size() - 1);
    std::size_t i = 0;
    for (const Member& m : ms) {
        T->num[i] = static_cast<std::int8_t>(m.num);
        T->va[i] = static_cast<std::int8_t>(m.a);
        T->vb[i] = static_cast<std::int8_t>(m.b);
        T->vc[i] = static_cast<std::int8_t>(m.c);
        ++i;
    }
    return T;
}

TEST_F(TriTest, RotationMarks)
{
    struct Case {
        int x, y, z;
        bool hit;
        int mark;
    };
    const Case cases[] = {
        {A, B, C, true, 1}, {C, A, B, true, 2}, {B, C, A, true, 3},
        {A, C, B, false, 0}, {C, B, A, false, 0}, {A, B, D, false, 0},
    };
    for (const Case& k : cases) {
        g_tri_rot_mark = 0;
        EXPECT_EQ(tri_rot(A, B, C, k.x, k.y, k.z), k.hit) << k.x << k.y << k.z;
        EXPECT_EQ(g_tri_rot_mark, k.mark) << k.x << k.y << k.z;
    }
}

TEST_F(TriTest, OrientingRotatesTheWholeGroup)
{
    Gdd_tri* T = make_group({{1, A, B, C}, {-1, D, E, F}});
    EXPECT_EQ(tri_orient(1, B, C, A, T), 0);
    EXPECT_EQ(members(T), (std::vector<Member>{{1, B, C, A}, {-1, E, F, D}}));
    EXPECT_EQ(tri_orient(1, F, D, E, T), 1);  // needs the sign flipped, too
    EXPECT_EQ(members(T), (std::vector<Member>{{-1, C, A, B}, {1, F, D, E}}));
}

TEST_F(TriTest, OrientingReversesTheWholeGroup)
{
    Gdd_tri* T = make_group({{1, A, B, C}, {1, D, E, F}});
    EXPECT_EQ(tri_orient(1, C, B, A, T), 0);
    EXPECT_EQ(members(T), (std::vector<Member>{{1, C, B, A}, {1, F, E, D}}));
    EXPECT_EQ(tri_orient(-1, E, D, F, T), 1);  // rotated, sign flipped
    EXPECT_EQ(members(T), (std::vector<Member>{{-1, B, A, C}, {-1, E, D, F}}));
    EXPECT_EQ(tri_orient(1, A, B, D, T), -1);
    EXPECT_EQ(members(T), (std::vector<Member>{{-1, B, A, C}, {-1, E, D, F}}));
}

TEST_F(TriTest, IsoscelesTriangleMatchesItsMirrorImage)
{
    Gdd_tri* T = make_group({{1, A, C, B}, {1, D, E, F}});
    EXPECT_FALSE(in_tri(A, B, C, T));
    add_cong(0, 0, A, B, A, C);  // apex A
    EXPECT_TRUE(in_tri(A, B, C, T));
    EXPECT_FALSE(in_tri(B, A, C, T));  // the apex stays in place
    // Apex in the second and third place.
    Gdd_tri* U = make_group({{1, H, G, I}, {1, K, J, L}});
    add_cong(0, 0, G, H, G, I);
    EXPECT_TRUE(in_tri(I, G, H, U));
    add_cong(0, 0, L, J, L, K);
    EXPECT_TRUE(in_tri(J, K, L, U));
    EXPECT_FALSE(in_tri(K, L, J, U));
}

TEST_F(TriTest, NewPairIsQueuedWithTheListsType)
{
    Gdd_cond* premise = add_codb(154, A, B, B, C, D, E, E, F);
    add_stri(90, -1, A, B, C, D, E, F);
    next_cond();
    ASSERT_EQ(g_st_list.size(), 1u);
    Gdd_tri* T = g_st_list.first;
    EXPECT_EQ(T->state, kNew);
    EXPECT_EQ(T->lemma, 90);
    EXPECT_EQ(T->reasons, premise);
    EXPECT_EQ(members(T), (std::vector<Member>{{1, A, B, C}, {-1, D, E, F}}));
    EXPECT_EQ(count_queued(237, T), 1);
    EXPECT_TRUE(g_ct_list.empty());

    g_tri_mode = 1;
    add_stri(92, 1, A, B, C, G, H, I);
    ASSERT_EQ(g_ct_list.size(), 1u);
    EXPECT_EQ(count_queued(236, g_ct_list.first), 1);
    EXPECT_TRUE(xcon(A, B, C, G, H, I));
    EXPECT_FALSE(xsim(A, B, C, G, H, I));
    EXPECT_FALSE(xcon(A, B, C, D, E, F));
}

TEST_F(TriTest, SimilarUnderEveryVertexOrder)
{
    add_stri(0, 1, A, B, C, D, E, F);
    const int orders[][6] = {
        {A, B, C, D, E, F}, {B, C, A, E, F, D}, {C, A, B, F, D, E},
        {A, C, B, D, F, E}, {C, B, A, F, E, D}, {B, A, C, E, D, F},
        {D, E, F, A, B, C},
    };
    for (const auto& o : orders)
        EXPECT_TRUE(xsim(o[0], o[1], o[2], o[3], o[4], o[5])) << o[0] << o[1] << o[2];
    // A wrong correspondence.
    EXPECT_FALSE(xsim(A, B, C, E, D, F));
    EXPECT_FALSE(xsim(A, B, C, D, E, G));
    // Dead groups count only for the finder that asks for them.
    g_st_list.first->state = kDead;
    EXPECT_FALSE(xsim(A, B, C, D, E, F));
    EXPECT_EQ(fd_tri_pair(true, true, A, B, C, D, E, F), g_st_list.first);
    EXPECT_EQ(fd_tri_pair(true, false, A, B, C, D, E, F), nullptr);
}

TEST_F(TriTest, KnownPairAddsNothing)
{
    add_stri(0, 1, A, B, C, D, E, F);
    clear_queue();
    add_stri(0, 1, B, C, A, E, F, D);
    add_stri(0, 1, D, E, F, A, B, C);
    EXPECT_EQ(g_st_list.size(), 1u);
    EXPECT_TRUE(g_cond_queue.empty());
}

TEST_F(TriTest, PairMeetingOneGroupJoinsIt)
{
    add_stri(0, 1, A, B, C, D, E, F);
    Gdd_tri* G1 = g_st_list.first;
    add_stri(5, -1, B, C, A, H, I, G);  // first triangle known
    const auto live = live_records(g_st_list);
    ASSERT_EQ(live.size(), 1u);
    Gdd_tri* U = live[0];
    EXPECT_EQ(G1->state, kDead);
    EXPECT_EQ(U->state, kNew);
    // The group was oriented to read BCA with sign 1; GHI joined as HIG.
    EXPECT_EQ(members(U), (std::vector<Member>{{1, B, C, A}, {1, E, F, D}, {-1, H, I, G}}));
    EXPECT_TRUE(xsim(D, E, F, G, H, I));
    const auto r = chain(U->reasons);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1]->obj, G1);
    EXPECT_EQ(r[0]->type, 237);
    EXPECT_EQ(cond_obj<Gdd_tri>(r[0])->lemma, 5);
    EXPECT_EQ(count_queued(237, U), 1);
}

TEST_F(TriTest, SecondTriangleKnownWorksTheSame)
{
    add_stri(0, 1, A, B, C, D, E, F);
    add_stri(0, 1, G, H, I, D, E, F);
    const auto live = live_records(g_st_list);
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0]->count(), 3);
    EXPECT_TRUE(xsim(A, B, C, G, H, I));
}

TEST_F(TriTest, PairJoiningTwoGroupsMergesThem)
{
    add_stri(0, 1, A, B, C, D, E, F);
    add_stri(0, -1, G, H, I, J, K, L);
    Gdd_tri* G1 = g_st_list.first;
    Gdd_tri* G2 = G1->next;
    add_stri(0, -1, A, B, C, G, H, I);
    const auto live = live_records(g_st_list);
    ASSERT_EQ(live.size(), 1u);
    Gdd_tri* U = live[0];
    EXPECT_EQ(G1->state, kDead);
    EXPECT_EQ(G2->state, kDead);
    EXPECT_EQ(U->count(), 4);
    EXPECT_TRUE(xsim(D, E, F, J, K, L));
    EXPECT_TRUE(xsim(A, B, C, J, K, L));
    // ABC and GHI have opposite orientations, GHI and JKL too: ABC and JKL
    // have the same one, DEF as well.
    auto sign_of = [&](int a) {
        for (const Member& m : members(U))
            if (m.a == a || m.b == a || m.c == a)
                return m.num;
        return 0;
    };
    EXPECT_EQ(sign_of(A) * sign_of(J), 1);
    EXPECT_EQ(sign_of(A) * sign_of(G), -1);
    EXPECT_EQ(sign_of(D) * sign_of(J), 1);
    // The final reasons name the first group and the intermediate one.
    const auto r = chain(U->reasons);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1]->obj, G1);
    EXPECT_EQ(cond_obj<Gdd_tri>(r[0])->state, kDead);
}

TEST_F(TriTest, ThirtiethMemberAbortsWithMessage)
{
    g_npoints = 40;
    for (int k = 4; k <= 31; ++k)
        add_stri(0, 1, 1, 2, 3, 1, 2, k);
    ASSERT_EQ(live_records(g_st_list).size(), 1u);
    ASSERT_EQ(live_records(g_st_list)[0]->count(), 29);
    EXPECT_THROW(add_stri(0, 1, 1, 2, 3, 1, 2, 32), ProverAbort);
    EXPECT_EQ(out.text(), "MAX_GEO of st overflow\r\n");

    out.clear();
    g_tri_mode = 1;
    for (int k = 4; k <= 31; ++k)
        add_stri(0, 1, 1, 2, 3, 1, 2, k);
    EXPECT_THROW(add_stri(0, 1, 1, 2, 3, 1, 2, 32), ProverAbort);
    EXPECT_EQ(out.text(), "MAX_GEO of ct overflow\r\n");
}

}  // namespace
}  // namespace gddtest
