// Quotient records and factor lists.

#include "algebra/area_quot.h"

#include <algorithm>
#include <utility>

#include "algebra/plist.h"
#include "prover/prover.h"

quot_rec* new_ratio_rec(xterm* numc, dterm* nums, xterm* denc, dterm* dens, std::int8_t type)
{
    if (!numc || !denc || !pconstp(numc) || !pconstp(denc))
        prover_fatal("quotient record: a coefficient that is not a number");
    quot_rec* rec = new_quot_rec();
    rec->nc = numc;
    rec->np = nums;
    rec->dc = denc;
    rec->dp = dens;
    rec->type = type;
    return rec;
}

quot_rec* new_quot(xterm* numc, xterm* nump, xterm* denc, xterm* denp)
{
    return new_ratio_rec(numc, nump ? get_dt(1, nump, nullptr) : nullptr, denc,
                         denp ? get_dt(1, denp, nullptr) : nullptr, kQuotConclusion);
}

elim_step* q_swap(elim_step* step)
{
    if (step)
        std::swap(step->num, step->den);
    return step;
}

dterm* plist_find(const xterm* p, dterm* list)
{
    for (; list; list = list->next)
        if (list->coef && peq(list->coef, p))
            return list;
    return nullptr;
}

dterm* plist_remove(dterm* a, const dterm* b)
{
    dterm* kept = nullptr;
    dterm** tail = &kept;
    while (a) {
        dterm* next = a->next;
        if (a->coef && plist_has(b, a->coef)) {
            put_p(a->coef);
            a->coef = nullptr;
            put_d(a);
        } else {
            a->next = nullptr;
            *tail = a;
            tail = &a->next;
        }
        a = next;
    }
    return kept;
}

dterm* plist_union(dterm* a, dterm* b)
{
    while (b) {
        dterm* next = b->next;
        b->next = nullptr;
        if (b->coef && plist_has(a, b->coef)) {
            put_p(b->coef);
            b->coef = nullptr;
            put_d(b);
        } else {
            plist_join(a, b);
        }
        b = next;
    }
    return a;
}

int plist_nonconst(const dterm* list)
{
    int n = 0;
    for (; list; list = list->next)
        if (list->coef && !pconstp(list->coef))
            ++n;
    return n;
}

xterm* ps_prod(dterm* list)
{
    xterm* product = get_n(1);
    while (list) {
        dterm* next = list->next;
        xterm* f = plist_take(list);
        const int e = list->deg;
        put_d(list);
        list = next;
        if (!f)
            continue;
        if (e == 0) {
            put_p(f);
            continue;
        }
        // A throw inside leaves the rest of the list to the next pool reset.
        product = ptimes(product, ppower(f, e));
    }
    return product;
}

int max_nterms(const quot_rec* rec)
{
    int n = 0;
    for (const dterm* side : {rec->np, rec->dp})
        for (; side; side = side->next)
            if (side->coef)
                n = std::max(n, nterms(side->coef));
    return n;
}

void free_plist(quot_rec* rec)
{
    put_p(rec->nc);
    put_p(rec->dc);
    put_dts(rec->np);
    put_dts(rec->dp);
    put_dts(rec->cancelled);
    rec->nc = rec->dc = nullptr;
    rec->np = rec->dp = rec->cancelled = nullptr;
    for (elim_step* s = rec->steps; s; s = s->next) {
        put_p(s->num);
        put_p(s->den);
        s->num = s->den = nullptr;
    }
    rec->steps = nullptr;
}
