#pragma once
// Conditions counted by type and object: the queue keeps how many of its
// conditions announce each record, so that a duplicate is found at once
// instead of by walking the queue.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "prover/gdd_cond.h"

class Cond_counts {
public:
    void add(const Gdd_cond* c) { ++counts_[key(c)]; }
    void remove(const Gdd_cond* c)
    {
        const auto it = counts_.find(key(c));
        if (it != counts_.end() && --it->second == 0)
            counts_.erase(it);
    }
    int count(const Gdd_cond* c) const
    {
        const auto it = counts_.find(key(c));
        return it == counts_.end() ? 0 : it->second;
    }

private:
    struct Key {
        std::int32_t type;
        const void* obj;
        bool operator==(const Key&) const = default;
    };
    struct Key_hash {
        std::size_t operator()(const Key& k) const
        {
            return std::hash<const void*>{}(k.obj) ^ (static_cast<std::size_t>(k.type) * 0x9e3779b97f4a7c15ULL);
        }
    };
    static Key key(const Gdd_cond* c) { return {c->type, c->obj}; }

    std::unordered_map<Key, int, Key_hash> counts_;
};
