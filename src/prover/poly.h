#pragma once
// Sparse recursive polynomials with integer coefficients, shared by every
// algebraic method of the prover.
//
// A polynomial is an xterm*: a constant (var null) or a main variable with a
// list of terms in strictly decreasing degree, each term's coefficient a
// polynomial in strictly lower variables (vless). Canonical form, kept by
// every operation: zero is the constant 0, no coefficient is zero, and a term
// list never consists of a single degree-0 term.
//
// Ownership: nodes come from the pools xpool and dpool and go back there,
// never to the heap. Unless a function says otherwise it CONSUMES its
// polynomial arguments (their nodes are reused or returned) and returns a new
// owned polynomial; pass cp_poly(p) to keep p. Inspection functions take
// const pointers and consume nothing.
//
// Coefficients are integers of any size: a constant that fits 64 bits is
// held inline, a larger one in a big integer owned by the node.
//
// Failures: pplus and ptimes make the proof-time check and may throw TTIME;
// a degree that would overflow, and exhausted memory, print their message
// through gprint and throw ProverAbort. Arguments consumed by
// an operation that throws are gone: a caller must not free or read them
// again (take a polynomial out of its list before passing it). Nodes of a
// result left half-built by a throw are abandoned and come back to the pools
// at the next init_pools.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "prover/variables.h"

// The inline form of a coefficient, and the type of the small integers the
// methods keep beside their polynomials.
using coef_t = std::int64_t;

struct dterm;
struct BigCoef;

struct xterm {
    var_rec* var = nullptr;   // main variable; null for a constant
    coef_t value = 0;         // the constant, when var is null and big is null
    union {
        dterm* terms = nullptr;   // term list, when var is set
        BigCoef* big;             // a constant beyond 64 bits, when var is null
    };
};

// One term deg/coef of a polynomial in its main variable. Also the cell of a
// polynomial list: coef holds the polynomial, deg a small tag of the list's owner.
struct dterm {
    std::uint16_t deg = 0;
    xterm* coef = nullptr;
    dterm* next = nullptr;
};

// ---- pools -----------------------------------------------------------------

struct PoolStats {
    std::size_t xterm_total = 0;
    std::size_t xterm_free = 0;
    std::size_t dterm_total = 0;
    std::size_t dterm_free = 0;
    std::size_t bytes_in_use = 0;   // nodes in use and big coefficients
    std::size_t peak_bytes = 0;     // the most bytes_in_use since the last init_pools
    std::size_t xterm_bytes = 0;    // storage of one node
    std::size_t dterm_bytes = 0;
    std::size_t xterm_in_use() const { return xterm_total - xterm_free; }
    std::size_t dterm_in_use() const { return dterm_total - dterm_free; }
};

// Empties the variable table and returns the pools' storage; every
// polynomial built before becomes invalid. Runs at each prover reset.
void init_pools();
// Gives the blocks none of whose nodes is in use back to the system; the
// polynomials in use stay as they are.
void trim_pools();
// Counts init_pools calls: holders of polynomials across calls (the equation
// lists) compare it to learn that their nodes were reclaimed meanwhile.
std::uint64_t pool_epoch();
PoolStats pool_stats();
// Most blocks (of NodePool::kBlockSize nodes) each pool may hold, besides
// the prover's memory budget; beyond either the pool reports "run out of
// memory." and throws ProverAbort.
void set_pool_block_limit(std::size_t blocks);
std::size_t pool_block_limit();

xterm* new_xterm();   // zero constant
dterm* new_dterm();   // degree 0, no coefficient, no next
void put_x(xterm* x);
void put_d(dterm* d);
void put_p(xterm* p);        // a whole polynomial; null is ignored
void put_dts(dterm* list);   // a polynomial list with its polynomials

// Owner that returns a polynomial to the pools when it goes out of scope.
struct PolyDeleter {
    void operator()(xterm* p) const { put_p(p); }
};
using PolyPtr = std::unique_ptr<xterm, PolyDeleter>;

// ---- construction ----------------------------------------------------------

xterm* get_n(coef_t v);
xterm* get_l(coef_t v);
xterm* get_num();                                // zero
xterm* get_x(var_rec* var, dterm* terms);        // no normalisation
dterm* get_dt(int deg, xterm* coef, dterm* next);
// Gives x the term list in canonical form (empty: zero; a single degree-0
// term: that coefficient, x freed). Returns the polynomial.
xterm* p_norm_dt(xterm* x, dterm* list);
xterm* get_m(var_rec* var);                      // var; null gives 0
xterm* get_m_name(std::string_view name);
// coef * var^deg (coef may hold any variables); deg 0 gives coef. A null
// var gives 0 and leaves coef to the caller (not consumed).
xterm* get_md(var_rec* var, int deg, xterm* coef);
xterm* cp_poly(const xterm* p);
dterm* cp_dterms(const dterm* list);

// ---- inspection (nothing consumed) ---------------------------------------

// Inline: the arithmetic asks these at every node.
inline bool pconstp(const xterm* p) { return p->var == nullptr; }
inline bool pzerop(const xterm* p) { return !p->var && !p->big && p->value == 0; }
inline bool ponep(const xterm* p) { return !p->var && !p->big && p->value == 1; }
inline bool pmonep(const xterm* p) { return !p->var && !p->big && p->value == -1; }
bool peq(const xterm* p, const xterm* q);
int ldeg(const xterm* p);
int deg_in(const xterm* p, const var_rec* v);
int lowdeg_in(const xterm* p, const var_rec* v);
// The leading number; one beyond 64 bits reads as the largest inline value
// of its sign.
coef_t lnum(const xterm* p);
// The constant node of the leading number, inside p.
const xterm* lnum_node(const xterm* p);
// The constant that the leading number is (a copy).
xterm* lnum_poly(const xterm* p);
// Greatest common divisor of the constant leaves, negative when lnum is; 0
// for 0; a constant polynomial of any size.
xterm* pcontent_poly(const xterm* p);
// A constant beyond 64 bits.
bool pbigp(const xterm* p);
// Whether some variable of p, at any depth, passes the test on its kind
// (kVar...).
template <class Test>
bool any_var_type(const xterm* p, Test test)
{
    if (!p || !p->var)
        return false;
    if (test(p->var->type))
        return true;
    for (const dterm* t = p->terms; t; t = t->next)
        if (any_var_type(t->coef, test))
            return true;
    return false;
}
bool has_var_of_type(const xterm* p, std::int8_t type);
xterm* pinit(xterm* p);                  // the initial itself; null for a constant
const xterm* pinit(const xterm* p);
xterm* pinit_cp(const xterm* p);         // a copy of the initial; null for a constant
int pndts(const xterm* p);               // terms in the main variable
int nterms(const xterm* p);              // constant leaves: the size measure
int nterms_dts(const dterm* list);
bool plessp(const xterm* p, const xterm* q);

// Raises g_maxterm to nterms(p) while g_maxterm_on is set.
void note_maxterm(const xterm* p);

// ---- restructuring (consume p) ---------------------------------------------

xterm* preductum(xterm* p);
// Terms of p whose degree in v is at least d, that degree lowered by d.
xterm* ptop_in(xterm* p, const var_rec* v, int d);
// The leading coefficient of p with respect to v.
xterm* pdeg_in(xterm* p, const var_rec* v);
// A variable's kind decides its place in the order (vless): a polynomial
// built before a kind changed may no longer be canonical. pcanonical tells
// whether p is under the present order; p_reorder gives p in canonical form
// under it (p itself when it already is).
bool pcanonical(const xterm* p);
xterm* p_reorder(xterm* p);

// ---- arithmetic ------------------------------------------------------------

xterm* pplus(xterm* p, xterm* q);
xterm* pminus(xterm* p, xterm* q);
xterm* neg_poly(xterm* p);                 // in place, returns p
xterm* ptimes(xterm* p, xterm* q);
xterm* ptimes_c(xterm* c, xterm* p);       // c (lower variables) times every coefficient of p
xterm* ppower(xterm* p, int n);            // n <= 0 gives 1
// Exact quotient p/q, or null when q does not divide p. Consumes p, leaves q.
xterm* pdiv(xterm* p, const xterm* q);
// False when q certainly does not divide p: the lexicographically first and
// last terms of q (monomial and number) must divide those of p. Cheap; a
// true answer still needs pdiv.
bool pmay_divide(const xterm* p, const xterm* q);
// Divides p by q as often as the division is exact. Consumes p, leaves q.
xterm* pdiv_out(xterm* p, const xterm* q);
// Pseudo-remainders with respect to q's main variable (prem, prem_ev) or v
// (prem_var). Consume p, leave q. g_init_power counts the multiplications
// by q's initial.
xterm* prem(xterm* p, const xterm* q);
xterm* prem_ev(xterm* p, const xterm* q);
xterm* prem_var(xterm* p, const xterm* q, var_rec* v);

extern int g_init_power;

// ---- printing (nothing consumed; latex 0 text, 1 LaTeX) --------------------

extern int g_pcol;   // column counter of the printer

std::string poly_text(const xterm* p, int latex);   // sets g_pcol like pprint
void pprint(const xterm* p, int latex);
void pprint_ln(const xterm* p);                    // then "\r\n"
void pprint_eq0(const xterm* p);                   // then "=0\r\n"
std::string index_text(const xterm* p);            // the size line
void pprint_index(const xterm* p);
void print_plist(const dterm* list);
