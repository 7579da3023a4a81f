// Normal forms of single polynomials and reductions of polynomial lists.

#include "algebra/poly_normal.h"

#include "algebra/plist.h"

xterm* pprim(xterm* p)
{
    if (pconstp(p)) {
        if (!pzerop(p)) {
            put_x(p);
            return get_n(1);
        }
        return p;
    }
    const PolyPtr c(pcontent_poly(p));
    if (ponep(c.get()))
        return p;
    return pdiv(p, c.get());
}

xterm* pnormal(xterm* p)
{
    if (pconstp(p))
        return pprim(p);
    const PolyPtr init(pprim(pinit_cp(p)));
    if (!pconstp(init.get()))
        p = pdiv_out(p, init.get());
    return pprim(p);
}

xterm* psimp(xterm* p)
{
    if (pconstp(p))
        return pprim(p);
    for (var_rec* v : vars2(pinit(p))) {
        const int k = lowdeg_in(p, v);
        if (k <= 0)
            continue;
        const PolyPtr power(get_md(v, k, get_n(1)));
        if (xterm* q = pmay_divide(p, power.get()) ? pdiv(cp_poly(p), power.get()) : nullptr) {
            put_p(p);
            p = q;
        }
    }
    return pprim(p);
}

xterm* prem_list(xterm* p, const dterm* list)
{
    for (; list; list = list->next)
        if (list->coef)
            p = pprim(prem(p, list->coef));
    return p;
}

void reduce_hyps(dterm*& list, const dterm* lin)
{
    dterm** link = &list;
    while (*link) {
        dterm* cell = *link;
        cell->coef = psimp(prem_list(plist_take(cell), lin));
        if (pzerop(cell->coef)) {
            *link = cell->next;
            put_p(cell->coef);
            put_d(cell);
        } else {
            link = &cell->next;
        }
    }
}

void split_lts(dterm*& list, dterm*& lin)
{
    dterm** link = &list;
    while (*link) {
        dterm* cell = *link;
        const xterm* p = cell->coef;
        if (p && !pconstp(p) && ldeg(p) == 1 && nterms(p) < 3) {
            *link = cell->next;
            cell->next = nullptr;
            plist_join(lin, cell);
        } else {
            link = &cell->next;
        }
    }
}

bool plist_has_unit(const dterm* list)
{
    for (; list; list = list->next)
        if (list->coef && pconstp(list->coef) && !pzerop(list->coef))
            return true;
    return false;
}
