// The child look-up of a growing suffix tree: which child of a node has an
// edge starting with a given symbol key.
//
// Open addressing with linear probing over (key, child) entries of 8 bytes;
// an entry is the parent's when the child's Parent field says so, which the
// caller reads anyway as it goes down. Entries are never removed: when a
// split puts a new node between a parent and a child, the new node takes
// over the child's slot (same parent, same first symbol). The root's
// children, the most looked for, sit in a direct array by key. Keys are not
// negative.
#pragma once

#include "FeBase.h"

#include <cstdint>
#include <vector>

namespace lexorin {

class TFeChildIndex {
public:
    // Sized for about `expected` entries before the first growth.
    TFeChildIndex(const TFeTree& tree, std::size_t expected);

    // The child of `parent` whose edge starts with `key`, or -1.
    std::int32_t Find(std::int32_t parent, std::int32_t key) const {
        if (parent == 0)
            return static_cast<std::size_t>(key) < root_.size() ? root_[key] : -1;
        return table_[Probe(parent, key)].child;
    }
    // Adds a child that no entry names yet.
    void Add(std::int32_t parent, std::int32_t key, std::int32_t child);
    // Where the entry of the child `parent` has for `key` lies, to be given
    // to the node that takes that child's place: asked before the child
    // moves, told after.
    struct TPlace {
        std::int32_t parent;
        std::int32_t key;
        std::size_t slot;
    };
    TPlace PlaceOf(std::int32_t parent, std::int32_t key) const;
    void Replace(const TPlace& place, std::int32_t child);

private:
    struct Entry {
        std::int32_t key;
        std::int32_t child; // -1 for a free slot
    };
    std::size_t Home(std::int32_t parent, std::int32_t key) const;
    std::size_t Probe(std::int32_t parent, std::int32_t key) const;
    void Resize(std::size_t slots);

    const TFeTree& tree_;
    std::vector<Entry> table_;
    std::size_t used_ = 0;
    std::vector<std::int32_t> root_;
};

} // namespace lexorin
