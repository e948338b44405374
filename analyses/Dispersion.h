// Where the occurrences of a row's tree node lie in the analysed text, and
// how widely they are spread.
#pragma once

#include "AnalysisState.h"

#include <cstdint>
#include <vector>

namespace lexorin {

enum class TTreeKind { Phrase, Wordform };

// 0-based offsets in the analysed text of the occurrences of a node of the
// phrase tree or of the wordform tree, one per leaf below it, in the order
// the leaves are collected. A wordform found with prefixes only has the
// separator before the word at the start of its label; the offsets are
// those of the wordform itself either way.
std::vector<std::int32_t> NodePositions(const TAnalysisState& state, int node, TTreeKind kind);

double NodeDispersion(const TAnalysisState& state, int node, TTreeKind kind);

// Population standard deviation of the positions; above 10 rounded to one
// decimal (ties to even). 0 for no positions.
double Dispersion(const std::vector<std::int32_t>& positions);

} // namespace lexorin
