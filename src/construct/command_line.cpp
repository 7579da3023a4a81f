#include "construct/command_line.h"

#include <algorithm>

#include "construct/construction_host.h"
#include "model/object_types.h"

namespace {

constexpr int kFirstSlotRecord = 2;  // slot k lives in record k + 1

}  // namespace

void set_cmd_slot(ConstructionHost& host, int k, std::string_view text)
{
    if (k < 1 || k > kMaxCommandArgs)
        return;
    host.table()[kFirstSlotRecord + k - 1].set_name(text);
}

void cmd_begin(ConstructionHost& host, std::string_view name, int n)
{
    Diagram& d = host.diagram();
    d.command_name = std::string(name);
    d.table[rec::kSettings1].set_name(name);
    d.table.command_arg_count() = std::clamp(n, 0, kMaxCommandArgs);
    for (int k = 1; k <= kMaxCommandArgs; ++k)
        set_cmd_slot(host, k, kOpenSlot);
}

std::string cmd_line_text(ConstructionHost& host)
{
    ObjectTable& t = host.table();
    std::string text = host.diagram().command_name;
    const int n = std::clamp(t.command_arg_count(), 0, kMaxCommandArgs);
    for (int k = 1; k <= n; ++k) {
        text += ' ';
        text += t[kFirstSlotRecord + k - 1].name_view();
    }
    return text;
}

void cmd_show(ConstructionHost& host) { host.set_status(3, cmd_line_text(host)); }

void cmd_next(ConstructionHost& host, int k)
{
    if (k >= 2 && k <= 6) {
        host.table().action_state() = astate::kFirstPick + k - 1;
        set_cmd_slot(host, k, kOpenSlot);
    }
    cmd_show(host);
}

int min3(int a, int b, int c)
{
    if (a < b && a < c)
        return a;
    if (b < a && b < c)
        return b;
    return c;
}
