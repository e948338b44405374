// Finding the result rows of a tree's nodes on two threads.
#pragma once

#include "FeHalves.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <vector>

namespace lexorin {

// The rows of nodes 1..count-1, in node order. Two threads look at the nodes
// side by side, each taking every other block of `block` nodes, since the
// nodes that cost most (those with the most leaves) are not spread evenly
// over the node order. makeFind() is called once on each thread, for a
// callable of its own that takes a node and gives std::optional<Row>; a Row
// has its node in `node`.
template <typename Row, typename MakeFind>
std::vector<Row> FindNodeRows(std::size_t count, MakeFind makeFind, std::size_t block = 1 << 12) {
    const std::size_t blocks = (count + block - 1) / block;
    const std::size_t even = (blocks + 1) / 2; // how many blocks have an even number
    std::vector<Row> found[2];
    InHalves(
        blocks, blocks >= 2, [] {},
        [&](std::size_t from, std::size_t to, auto) {
            auto find = makeFind();
            std::vector<Row>& rows = found[from == 0 ? 0 : 1];
            for (std::size_t b = from; b < to; ++b) {
                const std::size_t first = b < even ? 2 * b : 2 * (b - even) + 1;
                const std::size_t end = std::min(count, (first + 1) * block);
                for (std::size_t node = std::max<std::size_t>(first * block, 1); node < end; ++node)
                    if (std::optional<Row> row = find(static_cast<int>(node)))
                        rows.push_back(std::move(*row));
            }
        });
    std::vector<Row>& rows = found[0];
    rows.insert(rows.end(), std::make_move_iterator(found[1].begin()),
                std::make_move_iterator(found[1].end()));
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.node < b.node; });
    return rows;
}

} // namespace lexorin
