// The child look-up of a growing suffix tree: which child of a node has an
// edge starting with a given symbol key.
//
// Open addressing with linear probing over (parent, key, child) entries, so a
// probe touches one cache line and never the nodes themselves. Entries are
// never removed: when a split puts a new node between a parent and a child,
// the new node takes over the child's entry (same parent, same first symbol).
// Keys are not negative.
#pragma once

#include <cstdint>
#include <vector>

namespace lexorin {

class TFeChildIndex {
public:
    // Sized for about `expected` entries before the first growth.
    explicit TFeChildIndex(std::size_t expected);

    // The child of `parent` whose edge starts with `key`, or -1.
    std::int32_t Find(std::int32_t parent, std::int32_t key) const {
        if (parent == 0)
            return static_cast<std::size_t>(key) < root_.size() ? root_[key] : -1;
        return table_[Probe(parent, key)].child;
    }
    // Makes `child` the child of `parent` for `key`, replacing any other.
    void Assign(std::int32_t parent, std::int32_t key, std::int32_t child);

private:
    struct Entry {
        std::int32_t parent;
        std::int32_t key;
        std::int32_t child; // -1 for a free slot
    };
    std::size_t Home(std::int32_t parent, std::int32_t key) const;
    std::size_t Probe(std::int32_t parent, std::int32_t key) const;
    void Resize(std::size_t slots);

    std::vector<Entry> table_;
    std::size_t used_ = 0;
    // The root has the most children and is searched most often: its
    // children sit in a small array indexed by key.
    std::vector<std::int32_t> root_;
};

} // namespace lexorin
