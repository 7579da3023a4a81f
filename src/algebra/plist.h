#pragma once
// Small helpers for polynomial lists: chains of dterm cells whose coef holds
// a polynomial and whose deg holds a tag of the list's owner.

#include "prover/poly.h"

// Puts p in a new cell at the front of list.
inline void plist_push(dterm*& list, xterm* p, int tag) { list = get_dt(tag, p, list); }

// Puts p in a new cell at the end of list.
inline void plist_append(dterm*& list, xterm* p, int tag)
{
    dterm** link = &list;
    while (*link)
        link = &(*link)->next;
    *link = get_dt(tag, p, nullptr);
}

// Appends the cells of tail to list (both lists' cells are kept).
inline void plist_join(dterm*& list, dterm* tail)
{
    dterm** link = &list;
    while (*link)
        link = &(*link)->next;
    *link = tail;
}

inline int plist_length(const dterm* list)
{
    int n = 0;
    for (; list; list = list->next)
        ++n;
    return n;
}

// Takes the polynomial out of a cell, so that the cell no longer owns it.
inline xterm* plist_take(dterm* cell)
{
    xterm* p = cell->coef;
    cell->coef = nullptr;
    return p;
}

// Frees the cells of a list whose polynomials were taken out (null coef) or
// belong elsewhere; the polynomials are left alone.
inline void plist_free_cells(dterm* list)
{
    while (list) {
        dterm* next = list->next;
        list->coef = nullptr;
        put_d(list);
        list = next;
    }
}

// True when the list holds q (structural equality).
inline bool plist_has(const dterm* list, const xterm* q)
{
    for (; list; list = list->next)
        if (list->coef && peq(list->coef, q))
            return true;
    return false;
}
