// Where the occurrences of a tree node lie in the analysed text, and how
// widely they are spread.
#pragma once

#include "FeBase.h"

#include <cstdint>
#include <vector>

namespace lexorin {

// 0-based offsets in the analysed text of the occurrences of node I of a
// phrase tree (over a word string), in the order its leaves are collected.
std::vector<std::int32_t> PhraseNodePositions(const TFeTree& tree, int node);

// The same for node I of a wordform tree (over the normalised text); with
// prefixes only, the node's label starts with the separator before the word.
std::vector<std::int32_t> WordformNodePositions(const TFeTree& tree, int node, bool prefixesOnly);

// Population standard deviation of the positions; above 10 rounded to one
// decimal (ties to even). 0 for no positions.
double Dispersion(const std::vector<std::int32_t>& positions);

} // namespace lexorin
