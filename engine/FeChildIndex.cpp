#include "FeChildIndex.h"

#include <algorithm>

namespace lexorin {
namespace {

constexpr double kMaxLoad = 0.8;

__extension__ using Wide = unsigned __int128;

std::uint64_t Mix(std::int32_t parent, std::int32_t key) {
    std::uint64_t h = (std::uint64_t(std::uint32_t(parent)) << 32) | std::uint32_t(key);
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

} // namespace

TFeChildIndex::TFeChildIndex(const TFeTree& tree, std::size_t expected) : tree_(tree) {
    Resize(std::max<std::size_t>(64, static_cast<std::size_t>(double(expected) / kMaxLoad) + 1));
}

// Maps the hash onto the table by multiplication, so the table needs no
// power-of-two size.
std::size_t TFeChildIndex::Home(std::int32_t parent, std::int32_t key) const {
    const Wide wide = static_cast<Wide>(Mix(parent, key)) * table_.size();
    return static_cast<std::size_t>(wide >> 64);
}

std::size_t TFeChildIndex::Probe(std::int32_t parent, std::int32_t key) const {
    std::size_t slot = Home(parent, key);
    for (;;) {
        const Entry& entry = table_[slot];
        if (entry.child == -1 || (entry.key == key && tree_.Node(entry.child).Parent == parent))
            return slot;
        if (++slot == table_.size())
            slot = 0;
    }
}

void TFeChildIndex::Add(std::int32_t parent, std::int32_t key, std::int32_t child) {
    if (parent == 0) {
        if (root_.size() <= static_cast<std::size_t>(key))
            root_.resize(std::max<std::size_t>(2 * root_.size(), static_cast<std::size_t>(key) + 1),
                         -1);
        root_[static_cast<std::size_t>(key)] = child;
        return;
    }
    if (double(used_ + 1) > kMaxLoad * double(table_.size()))
        Resize(table_.size() * 3 / 2);
    Entry& entry = table_[Probe(parent, key)];
    if (entry.child == -1)
        ++used_;
    entry = {key, child};
}

TFeChildIndex::TPlace TFeChildIndex::PlaceOf(std::int32_t parent, std::int32_t key) const {
    return {parent, key, parent == 0 ? 0 : Probe(parent, key)};
}

void TFeChildIndex::Replace(const TPlace& place, std::int32_t child) {
    if (place.parent == 0)
        root_[static_cast<std::size_t>(place.key)] = child;
    else
        table_[place.slot].child = child;
}

void TFeChildIndex::Resize(std::size_t slots) {
    std::vector<Entry> old(slots, Entry{0, -1});
    old.swap(table_);
    used_ = 0;
    for (const Entry& entry : old)
        if (entry.child != -1) {
            table_[Probe(tree_.Node(entry.child).Parent, entry.key)] = entry;
            ++used_;
        }
}

} // namespace lexorin
