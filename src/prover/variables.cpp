// The interned variable table and the variable order.

#include <algorithm>
#include <array>
#include <deque>
#include <tuple>

#include "prover/poly.h"
#include "prover/prover.h"
#include "prover/variables.h"

namespace {

// A deque keeps the records where they are while the table grows.
std::deque<var_rec>& table()
{
    static std::deque<var_rec> records;
    return records;
}

bool is_named(const var_rec& v) { return v.type == kVarNamed || v.type == kVarParam; }

bool same_var(const var_rec& a, const var_rec& b)
{
    if (is_named(a) || is_named(b))
        return is_named(a) && is_named(b) && a.name == b.name;
    return a.type == b.type && a.a == b.a;
}

var_rec named_key(std::int8_t type, std::string_view name)
{
    var_rec key;
    key.type = type;
    key.name = std::string(name);
    return key;
}

}  // namespace

var_rec* intern_var(const var_rec& key)
{
    auto& records = table();
    for (auto& v : records)
        if (same_var(v, key))
            return &v;
    records.push_back(key);
    return &records.back();
}

var_rec* mk_var(int type, int a1, int a2, int a3, int a4)
{
    var_rec key;
    key.type = static_cast<std::int8_t>(type);
    key.a = {a1, a2, a3, a4};
    return intern_var(key);
}

var_rec* mk_var_name(std::string_view name) { return intern_var(named_key(kVarNamed, name)); }

var_rec* mk_cvar(std::string_view name) { return intern_var(named_key(kVarParam, name)); }

var_rec* mk_ivar(int i)
{
    if (i >= 1)
        return mk_var(kVarCoord, i, 0, 0, 0);
    return mk_var(kVarU, -i, 0, 0, 0);
}

void reset_vars() { table().clear(); }

std::size_t var_count() { return table().size(); }

int var_maxpt(const var_rec* v)
{
    if (v->type == kVarRatio)
        return std::max(v->a[0], v->a[2]);
    if (v->type == kVarPyth)
        return std::max(v->a[0], v->a[1]);
    return v->a[0];
}

namespace {

// A ratio a1a2/a3a4 read with its higher segment first.
std::array<std::int32_t, 4> ratio_tuple(const var_rec* v)
{
    const auto& a = v->a;
    if (a[2] < a[0])
        return {a[0], a[1], a[2], a[3]};
    return {a[2], a[3], a[0], a[1]};
}

}  // namespace

bool vless(const var_rec* a, const var_rec* b)
{
    const int ta = a->type;
    const int tb = b->type;
    if (ta == kVarNamed && tb == kVarNamed)
        return a->name < b->name;
    if (ta == kVarNamed)
        return true;
    if (tb == kVarNamed)
        return false;
    if (ta == kVarU && tb == kVarU)
        return a->a[0] < b->a[0];
    if (ta == kVarU)
        return true;
    if (tb == kVarU)
        return false;
    if (ta == kVarParam && tb == kVarParam)
        return a->name < b->name;
    if (ta == kVarParam)
        return true;
    if (tb == kVarParam)
        return false;
    if (ta == kVarCoord && tb == kVarCoord)
        return a->a[0] < b->a[0];
    if (ta == kVarCoord)
        return true;
    if (tb == kVarCoord)
        return false;
    if (ta == kVarRatio && tb == kVarRatio)
        return ratio_tuple(a) < ratio_tuple(b);
    const int ma = var_maxpt(a);
    const int mb = var_maxpt(b);
    if (ta == tb)
        return std::tie(ma, a->a) < std::tie(mb, b->a);
    if (ta < 0 && tb > 0)
        return true;
    if (ta > 0 && tb < 0)
        return false;
    return std::tie(ma, ta) < std::tie(mb, tb);
}

namespace {

void collect_vars(const xterm* p, std::vector<var_rec*>& out)
{
    if (pconstp(p))
        return;
    if (std::find(out.begin(), out.end(), p->var) == out.end())
        out.push_back(p->var);
    for (const dterm* t = p->terms; t; t = t->next) {
        check_time_per_term();
        collect_vars(t->coef, out);
    }
}

}  // namespace

std::vector<var_rec*> vars2(const xterm* p)
{
    std::vector<var_rec*> out;
    collect_vars(p, out);
    if (g_trace) {
        std::string line = "\nvars2 of p " + poly_text(p, 0) + "\n";
        for (const var_rec* v : out)
            line += var_text(v, 0) + " ";
        trace_str(line + "end\n");
    }
    return out;
}
