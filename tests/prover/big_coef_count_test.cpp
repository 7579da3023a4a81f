// GMP's blocks count against the prover's memory budget from the moment the
// counting is installed (the first use of a big coefficient); a block GMP
// allocated before that must not drive the count below zero when it is given
// back, or every later request would seem beyond the budget.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include "prover/poly_coef.h"
#include "prover/prover.h"

namespace {

TEST(BigCoefCount, BlocksFromBeforeTheCountingGoBackSafely)
{
    (void)big_coef_bytes();  // installs the counting
    void* (*alloc)(std::size_t) = nullptr;
    void* (*realloc)(void*, std::size_t, std::size_t) = nullptr;
    void (*free)(void*, std::size_t) = nullptr;
    mp_get_memory_functions(&alloc, &realloc, &free);
    mp_set_memory_functions(nullptr, nullptr, nullptr);  // GMP's own, uncounted
    mpz_class* shrinking = new mpz_class(mpz_class(1) << 200000);
    mpz_class* freed = new mpz_class(mpz_class(1) << 100000);
    mp_set_memory_functions(alloc, realloc, free);
    const std::size_t before = big_coef_bytes();
    mpz_realloc2(shrinking->get_mpz_t(), 64);
    delete shrinking;
    delete freed;
    EXPECT_LE(big_coef_bytes(), before);
    EXPECT_TRUE(prover_memory_allows(0));
}

}  // namespace
