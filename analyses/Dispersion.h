// Where the occurrences of a row's tree node lie in the analysed text, and
// how widely they are spread.
#pragma once

#include "AnalysisState.h"
#include "FeWordWdList.h"

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

// The children of the inner nodes of the phrase tree that stand for at
// least `fromWords` words, copied into lists, each leaf as its position, for
// listing many nodes: walks then read a node's children in one run and
// never visit a leaf. Only nodes of at least that many words can be walked,
// and every node below one of them is one too. With at least `splitFrom`
// such nodes the lists are copied on two threads.
class TPhraseChildren {
public:
    TPhraseChildren(const TAnalysisState& state, int fromWords, std::size_t splitFrom = 1 << 16);

private:
    friend class TPhrasePositions;
    struct TChild {
        std::int32_t value; // an inner node, or a leaf's position
        std::int32_t start; // a leaf's start symbol (from 1); 0 for an inner node
        bool Inner() const { return start == 0; }
    };
    struct TCopy;

    const TFeTree& tree_;
    const TFeWordsString& words_;
    std::vector<std::int32_t> first_; // where node x's children start in children_
    std::vector<std::int32_t> count_;
    std::vector<TChild> children_;
};

// NodePositions of many nodes of the phrase tree, from their copied lists:
// the same positions in the same order. Each thread has one of its own.
class TPhrasePositions {
public:
    explicit TPhrasePositions(const TPhraseChildren& lists) : lists_(lists) {}
    // Valid until the next call.
    const std::vector<std::int32_t>& Of(int node);
    // The start symbol of the first leaf below the node of the last Of: the
    // first occurrence the online construction made.
    int FirstLeafStart() const { return firstStart_; }

private:
    const TPhraseChildren& lists_;
    std::vector<std::int32_t> positions_;
    int firstStart_ = 0;
    std::vector<std::size_t> pending_;  // entries still holding inner nodes
    std::vector<std::size_t> appended_; // those added in the current pass
};

// Population standard deviation of the positions; above 10 rounded to one
// decimal (ties to even). 0 for no positions.
double Dispersion(const std::vector<std::int32_t>& positions);

} // namespace lexorin
