// The prover's memory budget follows the process's real limits: a quarter of
// the machine's memory, and no more than the address-space limit or the
// container's memory limit leaves, with headroom for the program itself.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "prover/memory_budget.h"
#include "support/test_dirs.h"

namespace {

constexpr std::size_t kGiB = std::size_t{1} << 30;
constexpr std::size_t kMiB = std::size_t{1} << 20;

TEST(MemoryLimitsTest, TheBudgetIsTheLeastOfTheLimits)
{
    struct Case {
        const char* name;
        MemoryLimits limits;
        std::size_t budget;
    };
    const Case cases[] = {
        {"machine only", {24 * kGiB, 0, 0, 0, 0}, 6 * kGiB},
        {"address space", {24 * kGiB, 4 * kGiB, 400 * kMiB, 0, 0}, 2772 * kMiB},
        {"address space wider than the machine", {24 * kGiB, 64 * kGiB, kGiB, 0, 0}, 6 * kGiB},
        {"container", {24 * kGiB, 0, 0, 2 * kGiB, 1 * kGiB}, 768 * kMiB},
        {"container and address space", {24 * kGiB, 4 * kGiB, 0, 2 * kGiB, 0}, 1536 * kMiB},
        {"container full", {24 * kGiB, 0, 0, 2 * kGiB, 3 * kGiB}, 0},
        {"nothing known", {}, kGiB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(memory_budget_for(c.limits), c.budget);
    }
}

class ContainerMemoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = per_test_dir(std::filesystem::path(PLEXATOR_TEST_OUTPUT) / "container_memory");
        std::filesystem::remove_all(root_ / "sys");
    }
    void write(const std::string& file, const std::string& text) const
    {
        const std::filesystem::path path = root_ / "sys/fs/cgroup" / file;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    std::filesystem::path root_;
};

TEST_F(ContainerMemoryTest, LimitsOfBothCgroupVersionsAreRead)
{
    // v2: the process's own cgroup; the page cache it may drop is not in use.
    write("app/memory.max", "2147483648\n");
    write("app/memory.current", "600000000\n");
    write("app/memory.stat", "anon 400000000\ninactive_file 100000000\n");
    ContainerMemory m = container_memory(root_, "0::/app\n");
    EXPECT_EQ(m.limit, 2147483648u);
    EXPECT_EQ(m.used, 500000000u);

    // "max" sets none; the v1 memory controller's limit is found instead,
    // and the smaller of two limits holds.
    write("app/memory.max", "max\n");
    write("memory/job/memory.limit_in_bytes", "1073741824\n");
    write("memory/job/memory.usage_in_bytes", "1000\n");
    write("memory/memory.limit_in_bytes", "9223372036854771712\n");  // no limit
    m = container_memory(root_, "4:memory:/job\n0::/app\n");
    EXPECT_EQ(m.limit, 1073741824u);
    EXPECT_EQ(m.used, 1000u);

    // A container whose own path is not visible: the mount's files.
    m = container_memory(root_, "4:cpu,memory:/elsewhere\n");
    EXPECT_EQ(m.limit, 0u);
    write("memory/memory.limit_in_bytes", "3221225472\n");
    m = container_memory(root_, "4:cpu,memory:/elsewhere\n");
    EXPECT_EQ(m.limit, 3221225472u);
}

TEST(MemoryLimitsTest, ThisProcessHasABudget)
{
    const MemoryLimits now = current_memory_limits();
    EXPECT_GT(now.physical, 0u);
    EXPECT_GT(memory_budget_for(now), 0u);
}

}  // namespace
