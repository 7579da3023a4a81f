#pragma once

// Texts by numeric id, the way the user interface asks for its prompts,
// captions and words. Each subsystem registers its own table at start-up.

#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>

// The few signs the texts hold as double-byte characters, as UTF-8.
namespace signs {
inline constexpr std::string_view kParallel = "\u2225";        // ∥
inline constexpr std::string_view kPerpendicular = "\u22A5";   // ⊥
inline constexpr std::string_view kAngle = "\u2220";           // ∠
inline constexpr std::string_view kIntersection = "\u2229";    // ∩
inline constexpr std::string_view kNotEqual = "\u2260";        // ≠
inline constexpr std::string_view kFullWidthColon = "\uFF1A";  // ：
inline constexpr std::string_view kLeftQuote = "\u201C";       // “
inline constexpr std::string_view kRightQuote = "\u201D";      // ”
inline constexpr std::string_view kLeftArrow = "\u2190";       // ←
inline constexpr std::string_view kRightArrow = "\u2192";      // →
inline constexpr std::string_view kUpArrow = "\u2191";         // ↑
inline constexpr std::string_view kDownArrow = "\u2193";       // ↓
}  // namespace signs

// The UTF-8 form of one of the double-byte signs above given by its two bytes
// (e.g. 0xA1, 0xC9 for ∩); empty when the pair is not one of them.
std::string_view double_byte_sign(unsigned char first, unsigned char second);

struct StringEntry {
    int id;
    std::string_view text;
};

class StringTable {
public:
    void add(int id, std::string_view text) { texts_[id] = std::string(text); }
    void add(std::span<const StringEntry> entries)
    {
        for (const StringEntry& e : entries)
            add(e.id, e.text);
    }
    // Adds a subsystem's table the first time its texts are needed, and
    // again once the table was emptied; the table is known by its address.
    void ensure(std::span<const StringEntry> entries)
    {
        if (ensured_.insert(entries.data()).second)
            add(entries);
    }
    // Unknown ids give an empty text.
    std::string load_string(int id) const
    {
        auto it = texts_.find(id);
        return it == texts_.end() ? std::string() : it->second;
    }
    bool contains(int id) const { return texts_.count(id) != 0; }
    std::size_t size() const { return texts_.size(); }
    void clear()
    {
        texts_.clear();
        ensured_.clear();
    }

private:
    std::map<int, std::string> texts_;
    std::set<const StringEntry*> ensured_;
};

// The program's one table, as the program's resources are one.
StringTable& string_table();
inline std::string load_string(int id) { return string_table().load_string(id); }
