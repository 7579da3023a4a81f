#include "export/fig_fingerprint.h"

#include <ostream>
#include <streambuf>

namespace {

// Hashes what is written to it (FNV-1a), keeping none of it.
class HashingBuffer : public std::streambuf {
public:
    std::uint64_t value() const { return hash_; }

protected:
    int_type overflow(int_type c) override
    {
        if (!traits_type::eq_int_type(c, traits_type::eof()))
            add(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        for (std::streamsize i = 0; i < n; ++i)
            add(s[i]);
        return n;
    }

private:
    void add(char c)
    {
        hash_ ^= static_cast<unsigned char>(c);
        hash_ *= kPrime;
    }

    static constexpr std::uint64_t kOffsetBasis = 14695981039346656037ull;
    static constexpr std::uint64_t kPrime = 1099511628211ull;
    std::uint64_t hash_ = kOffsetBasis;
};

}  // namespace

std::uint64_t fig_fingerprint(const Diagram& d, const FigExtras& extras)
{
    HashingBuffer buffer;
    std::ostream out(&buffer);
    fig_write(d, out, extras);
    return buffer.value();
}
