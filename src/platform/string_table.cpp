#include "platform/string_table.h"

#include <array>

namespace {

struct DoubleByteSign {
    unsigned char first;
    unsigned char second;
    std::string_view utf8;
};

constexpr std::array<DoubleByteSign, 12> kDoubleByteSigns{{
    {0xA1, 0xCE, signs::kParallel},
    {0xA1, 0xCD, signs::kPerpendicular},
    {0xA1, 0xCF, signs::kAngle},
    {0xA1, 0xC9, signs::kIntersection},
    {0xA1, 0xD9, signs::kNotEqual},
    {0xA3, 0xBA, signs::kFullWidthColon},
    {0xA1, 0xB0, signs::kLeftQuote},
    {0xA1, 0xB1, signs::kRightQuote},
    {0xA1, 0xFB, signs::kLeftArrow},
    {0xA1, 0xFA, signs::kRightArrow},
    {0xA1, 0xFC, signs::kUpArrow},
    {0xA1, 0xFD, signs::kDownArrow},
}};

}  // namespace

std::string_view double_byte_sign(unsigned char first, unsigned char second)
{
    for (const DoubleByteSign& s : kDoubleByteSigns)
        if (s.first == first && s.second == second)
            return s.utf8;
    return {};
}

StringTable& string_table()
{
    static StringTable table;
    return table;
}
