// The big-integer side of constant nodes. Big integers are kept on a free
// list of their own, so a value that leaves and re-enters the big range
// reuses an integer whose limbs are already allocated; every byte GMP holds
// is counted against the prover's memory budget (shared with the node pools
// and the fact database), and a result that would pass it ends the run
// before GMP is asked for the memory.

#include <gmpxx.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

#include "prover/poly_coef.h"
#include "prover/prover.h"

struct BigCoef {
    mpz_class v;
    BigCoef* next_free = nullptr;
};

namespace {

std::size_t gmp_bytes = 0;

// The counting functions are installed when the store is first used; a
// block GMP allocated before that was never counted, so giving it back must
// not take the count below 0 (it would wrap to a huge size and every later
// request would be refused as beyond the budget).
void uncount(std::size_t n) { gmp_bytes -= std::min(n, gmp_bytes); }

void* counted_alloc(std::size_t n)
{
    void* p = std::malloc(n);
    if (!p)
        std::abort();  // GMP cannot report a failed allocation to its caller
    gmp_bytes += n;
    return p;
}

void* counted_realloc(void* p, std::size_t old_n, std::size_t n)
{
    void* q = std::realloc(p, n);
    if (!q)
        std::abort();
    uncount(old_n);
    gmp_bytes += n;
    return q;
}

void counted_free(void* p, std::size_t n)
{
    std::free(p);
    uncount(n);
}

class BigStore {
public:
    BigStore() { mp_set_memory_functions(counted_alloc, counted_realloc, counted_free); }

    BigCoef* take()
    {
        if (!free_) {
            all_.push_back(std::make_unique<BigCoef>());
            return all_.back().get();
        }
        BigCoef* b = free_;
        free_ = b->next_free;
        b->next_free = nullptr;
        return b;
    }

    void give(BigCoef* b)
    {
        b->next_free = free_;
        free_ = b;
    }

    void reclaim_all()
    {
        free_ = nullptr;
        all_.clear();  // also returns the limbs of large values to the heap
    }

    std::size_t bytes() const { return gmp_bytes + all_.size() * sizeof(BigCoef); }

private:
    std::vector<std::unique_ptr<BigCoef>> all_;
    BigCoef* free_ = nullptr;
};

BigStore& store()
{
    static BigStore s;
    return s;
}

// A read-only view of a constant as a GMP integer, without allocating for
// an inline value.
class View {
public:
    explicit View(const xterm* c)
    {
        if (c->big) {
            ptr_ = c->big->v.get_mpz_t();
            return;
        }
        const coef_t v = c->value;
        limb_ = v < 0 ? 0 - static_cast<mp_limb_t>(v) : static_cast<mp_limb_t>(v);
        ptr_ = mpz_roinit_n(z_, &limb_, v < 0 ? -1 : (v > 0 ? 1 : 0));
    }
    View(const View&) = delete;
    View& operator=(const View&) = delete;
    mpz_srcptr get() const { return ptr_; }

private:
    mp_limb_t limb_ = 0;
    mpz_t z_;
    mpz_srcptr ptr_ = nullptr;
};

// From this size on, the memory for a result is first asked of the system
// by the prover itself: GMP cannot report a failed allocation, only abort.
constexpr std::size_t kProbeBytes = std::size_t{1} << 20;

// Ends the run with "run out of memory." unless a result of `limbs` limbs
// fits the prover's budget, beside everything else the prover holds, and the
// system has the memory for it.
void reserve_limbs(std::size_t limbs)
{
    const std::size_t bytes = limbs * sizeof(mp_limb_t);
    if (!prover_memory_allows(bytes))
        prover_out_of_memory();
    if (bytes >= kProbeBytes) {
        void* probe = std::malloc(bytes);
        if (!probe)
            prover_out_of_memory();
        std::free(probe);
    }
}

std::size_t limbs_of(const View& v) { return mpz_size(v.get()); }

// The big integer a result is computed into: a's own when it has one.
mpz_ptr target_of(xterm* a)
{
    if (!a->big)
        a->big = store().take();
    return a->big->v.get_mpz_t();
}

// Brings a's value back inline when it fits (one form per value).
void settle(xterm* a)
{
    mpz_srcptr z = a->big->v.get_mpz_t();
    if (mpz_fits_slong_p(z)) {
        const coef_t v = mpz_get_si(z);
        release_big(a->big);
        a->big = nullptr;
        a->value = v;
    } else {
        a->value = 0;
    }
}

}  // namespace

void coef_add_big(xterm* a, const xterm* b)
{
    const View va(a), vb(b);
    reserve_limbs(std::max(limbs_of(va), limbs_of(vb)) + 1);
    mpz_ptr t = target_of(a);
    mpz_add(t, va.get(), vb.get());
    settle(a);
}

void coef_mul_big(xterm* a, const xterm* b)
{
    const View va(a), vb(b);
    reserve_limbs(limbs_of(va) + limbs_of(vb));
    mpz_ptr t = target_of(a);
    mpz_mul(t, va.get(), vb.get());
    settle(a);
}

void coef_neg_big(xterm* a)
{
    const View va(a);
    reserve_limbs(limbs_of(va) + 1);
    mpz_ptr t = target_of(a);
    mpz_neg(t, va.get());
    settle(a);
}

bool coef_eq_big(const xterm* a, const xterm* b)
{
    // One form per value: a big value never equals an inline one.
    if (!a->big || !b->big)
        return false;
    return a->big->v == b->big->v;
}

bool coef_divides_big(const xterm* a, const xterm* b)
{
    const View va(a), vb(b);
    return mpz_divisible_p(va.get(), vb.get()) != 0;
}

void coef_divexact_big(xterm* a, const xterm* b)
{
    const View va(a), vb(b);
    reserve_limbs(limbs_of(va) + 1);
    mpz_ptr t = target_of(a);
    mpz_divexact(t, va.get(), vb.get());
    settle(a);
}

void coef_gcd_into_big(xterm* g, const xterm* c)
{
    const View vg(g), vc(c);
    reserve_limbs(std::max(limbs_of(vg), limbs_of(vc)) + 1);
    mpz_ptr t = target_of(g);
    mpz_gcd(t, vg.get(), vc.get());
    settle(g);
}

int coef_sign_big(const xterm* c) { return mpz_sgn(c->big->v.get_mpz_t()); }

std::string coef_text_big(const xterm* c) { return c->big->v.get_str(); }

void release_big(BigCoef* b) { store().give(b); }

BigCoef* copy_big(const BigCoef* b)
{
    reserve_limbs(mpz_size(b->v.get_mpz_t()));
    BigCoef* c = store().take();
    c->v = b->v;
    return c;
}

std::size_t big_coef_bytes() { return store().bytes(); }

std::size_t coef_words(const xterm* c) { return c->big ? mpz_size(c->big->v.get_mpz_t()) : 1; }

void reclaim_big_coefs() { store().reclaim_all(); }

mpz_class coef_mpz(const xterm* c)
{
    // Installs the counted allocator before GMP allocates for the copy, so
    // that its memory is freed through the functions that counted it.
    store();
    if (!c->big)
        return mpz_class(static_cast<long>(c->value));
    reserve_limbs(mpz_size(c->big->v.get_mpz_t()));
    return c->big->v;
}

double nearest_double(const mpz_class& v)
{
    constexpr int kMantissaBits = std::numeric_limits<double>::digits;
    const std::size_t bits = mpz_sizeinbase(v.get_mpz_t(), 2);
    if (bits <= static_cast<std::size_t>(kMantissaBits))
        return v.get_d();  // exact
    const double sign = sgn(v) < 0 ? -1.0 : 1.0;
    if (bits > static_cast<std::size_t>(std::numeric_limits<double>::max_exponent))
        return sign * std::numeric_limits<double>::infinity();
    const mpz_class magnitude = abs(v);
    const mp_bitcnt_t dropped = bits - kMantissaBits;
    mpz_class kept;
    mpz_tdiv_q_2exp(kept.get_mpz_t(), magnitude.get_mpz_t(), dropped);
    // Past half the last kept bit rounds up; exactly half rounds to even.
    const bool half = mpz_tstbit(magnitude.get_mpz_t(), dropped - 1) != 0;
    const bool beyond_half = mpz_scan1(magnitude.get_mpz_t(), 0) < dropped - 1;
    if (half && (beyond_half || mpz_odd_p(kept.get_mpz_t())))
        ++kept;
    // kept has at most 54 bits, a power of two when it has 54: exact.
    return sign * std::ldexp(kept.get_d(), static_cast<int>(dropped));
}

std::optional<double> coef_nearest_double(const xterm* c)
{
    if (!c->big)
        return static_cast<double>(c->value);
    const double d = nearest_double(c->big->v);
    if (!std::isfinite(d))
        return std::nullopt;
    return d;
}

// A text that always fits 64 bits is read inline; a longer one by GMP at
// once (its conversion is subquadratic where steps of a few digits would be
// quadratic in the length) and brought back inline when its value fits.
xterm* coef_from_text(std::string_view text)
{
    constexpr std::size_t kInlineDigits = 18;
    constexpr std::size_t kDigitsPerLimb = 19;  // a 64-bit limb holds any 19 decimal digits
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    xterm* value = get_n(0);
    if (text.size() <= kInlineDigits) {
        for (char c : text)
            value->value = value->value * 10 + (c - '0');
    } else {
        reserve_limbs(text.size() / kDigitsPerLimb + 1);
        mpz_ptr t = target_of(value);
        mpz_set_str(t, std::string(text).c_str(), 10);
        settle(value);
    }
    if (negative)
        coef_negate(value);
    return value;
}
