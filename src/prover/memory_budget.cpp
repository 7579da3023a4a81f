#include "prover/memory_budget.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A limit this high is the system's way of setting none.
constexpr std::size_t kNoLimitAbove = std::size_t{1} << 60;

// Of the room a limit leaves, the part the prover's pools and tables may
// take; the rest is for what the program allocates beside them (texts,
// windows, the methods' small working lists).
std::size_t usable_part(std::size_t limit, std::size_t used) { return limit > used ? (limit - used) / 4 * 3 : 0; }

std::optional<std::string> read_text(const std::filesystem::path& file)
{
    std::ifstream in(file);
    if (!in)
        return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A file holding one number (or "max").
std::optional<std::size_t> read_number(const std::filesystem::path& file)
{
    const auto text = read_text(file);
    if (!text)
        return std::nullopt;
    try {
        return static_cast<std::size_t>(std::stoull(*text));
    } catch (const std::exception&) {
        return std::nullopt;  // "max": no limit
    }
}

// The value of key in a memory.stat file, 0 when it is not there.
std::size_t stat_value(const std::filesystem::path& file, std::string_view key)
{
    std::ifstream in(file);
    std::string name;
    std::size_t value = 0;
    while (in >> name >> value)
        if (name == key)
            return value;
    return 0;
}

struct CgroupFiles {
    std::filesystem::path dir;
    const char* limit;
    const char* usage;
    const char* reclaimable;  // page cache the kernel drops before it runs out
};

// The cgroup paths of /proc/self/cgroup: the unified (v2) one and the one of
// the v1 memory controller.
struct CgroupPaths {
    std::string unified;
    std::string memory;
};

CgroupPaths cgroup_paths(std::string_view text)
{
    CgroupPaths paths;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        const std::size_t a = line.find(':');
        const std::size_t b = a == std::string::npos ? a : line.find(':', a + 1);
        if (b == std::string::npos)
            continue;
        const std::string controllers = line.substr(a + 1, b - a - 1);
        const std::string path = line.substr(b + 1);
        if (controllers.empty())
            paths.unified = path;
        std::istringstream list(controllers);
        for (std::string c; std::getline(list, c, ',');)
            if (c == "memory")
                paths.memory = path;
    }
    return paths;
}

// dir / path, where path is absolute within the cgroup tree.
std::filesystem::path below(const std::filesystem::path& dir, const std::string& path)
{
    return path.empty() || path == "/" ? dir : dir / std::filesystem::path(path).relative_path();
}

}  // namespace

std::size_t memory_budget_for(const MemoryLimits& limits)
{
    constexpr std::size_t kFallback = std::size_t{1} << 30;  // when the system does not say
    std::size_t budget = limits.physical ? limits.physical / 4 : kFallback;
    if (limits.address_space)
        budget = std::min(budget, usable_part(limits.address_space, limits.address_space_used));
    if (limits.container)
        budget = std::min(budget, usable_part(limits.container, limits.container_used));
    return budget;
}

ContainerMemory container_memory(const std::filesystem::path& root, std::string_view proc_self_cgroup)
{
    const CgroupPaths paths = cgroup_paths(proc_self_cgroup);
    const std::filesystem::path mount = root / "sys/fs/cgroup";
    const std::vector<CgroupFiles> candidates = {
        {below(mount, paths.unified), "memory.max", "memory.current", "inactive_file"},
        {mount, "memory.max", "memory.current", "inactive_file"},
        {below(mount / "unified", paths.unified), "memory.max", "memory.current", "inactive_file"},
        {below(mount / "memory", paths.memory), "memory.limit_in_bytes", "memory.usage_in_bytes", "total_inactive_file"},
        {mount / "memory", "memory.limit_in_bytes", "memory.usage_in_bytes", "total_inactive_file"},
    };
    ContainerMemory found;
    for (const CgroupFiles& c : candidates) {
        const auto limit = read_number(c.dir / c.limit);
        if (!limit || *limit == 0 || *limit >= kNoLimitAbove || (found.limit && *limit >= found.limit))
            continue;
        const std::size_t usage = read_number(c.dir / c.usage).value_or(0);
        const std::size_t reclaimable = stat_value(c.dir / "memory.stat", c.reclaimable);
        found = {*limit, usage > reclaimable ? usage - reclaimable : 0};
    }
    return found;
}

MemoryLimits current_memory_limits()
{
    MemoryLimits limits;
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page_size = sysconf(_SC_PAGE_SIZE);
    if (pages > 0 && page_size > 0)
        limits.physical = static_cast<std::size_t>(pages) * static_cast<std::size_t>(page_size);
    rlimit as{};
    if (getrlimit(RLIMIT_AS, &as) == 0 && as.rlim_cur != RLIM_INFINITY) {
        limits.address_space = static_cast<std::size_t>(as.rlim_cur);
        std::ifstream statm("/proc/self/statm");
        std::size_t vm_pages = 0;
        if (statm >> vm_pages && page_size > 0)
            limits.address_space_used = vm_pages * static_cast<std::size_t>(page_size);
    }
    const ContainerMemory container = container_memory("/", read_text("/proc/self/cgroup").value_or(""));
    limits.container = container.limit;
    limits.container_used = container.used;
    return limits;
}
