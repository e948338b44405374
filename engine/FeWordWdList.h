// The word string: a text as a sequence of word, break and terminator symbols.
#pragma once

#include "FeBase.h"
#include "FePodArray.h"
#include "FeUtils.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// One symbol of a word string.
struct TFeWordItem {
    // Word: 1-based position of its first character. Break: its ordinal
    // (0 for the first break of the text). Terminator: 1.
    std::int32_t Start = 0;
    std::int32_t Len = 0;   // word: its length; break: -1; terminator: 0
    std::int32_t Index = 0; // 0-based symbol index
    std::int32_t Id = 0;    // 0 until AssignIds, then equal for equal words
};

// When on, word strings created from now on keep the text position of every
// word, which GetFragment needs.
inline bool StoreWordPositions = false;

class TFeWordsString : public TFeStringObject {
public:
    // Tokenises Text: one symbol per word, one break per character of
    // stopChars, and the terminator when addTerminator is set. `capacity`
    // bounds the number of symbols expected (the text length serves).
    TFeWordsString(std::string text, int capacity, const TCharSet& stopChars, bool addTerminator);

    bool AddTerminator() const { return addTerminator_; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive) { caseSensitive_ = caseSensitive; }
    bool HasBreaks() const { return hasBreaks_; }
    bool IdsAssigned() const { return idsAssigned_; }
    bool HasPositions() const { return hasPositions_; }
    const std::string& SourceText() const { return *sourceText_; }
    std::shared_ptr<const std::string> SharedSourceText() const { return sourceText_; }

    const TFeWordItem& Item(int n) const { return items_[n - 1]; }
    // Text position of word symbol N; only when positions were stored.
    int Position(int n) const { return items_[n - 1].Start; }
    std::string_view WordText(int n) const { return SymbolText(static_cast<std::size_t>(n - 1)); }
    const std::vector<std::int32_t>& SortedItems() const { return sortedItems_; }
    // Start of each item in word order: read in sequence, unlike Item(), whose
    // look-ups in word order jump across the whole text.
    const std::vector<std::int32_t>& SortedStarts() const { return sortedStarts_; }
    // The items of the r-th distinct word in word order are the sorted items
    // WordBounds()[r] to WordBounds()[r + 1] - 1; the breaks and the
    // terminator come before WordBounds()[0].
    const std::vector<std::int32_t>& WordBounds() const { return wordBounds_; }
    // Text of the K-th item in word order; empty when K is out of range.
    std::string_view SortedWordText(int k) const;
    // The text from the first character of symbol First to the last character
    // of symbol First + Words - 1, as written. Needs stored positions.
    std::string GetFragment(int first, int words) const;
    // Where that fragment lies in the source text: 0-based start and length;
    // empty when there is no such fragment.
    struct TFragmentSpan {
        std::size_t start = 0;
        std::size_t length = 0;
    };
    TFragmentSpan FragmentSpan(int first, int words) const;
    // Puts the items in word order (stable: equal words keep text order; breaks
    // and the terminator first) and, when asked, gives equal words one Id,
    // ascending in that order, and every break and the terminator one of its own.
    void SortWords(bool assignIds);
    bool SameWord(std::string_view a, std::string_view b) const;
    // Gives equal words their ids as SortWords(true) does, without putting
    // the items in word order.
    void NumberWords();
    void FreeItems();

    int Length() const override;
    bool SymbolsEqual(int i, int j) const override;
    int CompareSymbols(int i, int j) const override;
    bool SymbolsEqualIn(const TFeStringObject& other, int i, int j) const override;
    int SymbolsDiffer(int i, int j) const override;
    int SymbolsDifferIn(const TFeStringObject& other, int i, int j) const override;
    std::unique_ptr<TFeStringObject> SubString(int from, int count) const override;
    // The symbols joined by single spaces, breaks and the terminator as "$";
    // lower-cased unless case-sensitive.
    void GetText(std::string& s) const override;
    TPageVector<std::int32_t> SymbolKeys() const override;

private:
    TFeWordsString(std::shared_ptr<const std::string> text, bool addTerminator);
    void Tokenize(const TCharSet& stopChars);
    void AddItem(std::int32_t start, std::int32_t len);
    std::string_view SymbolText(std::size_t s) const; // empty for breaks and the terminator
    // Numbers every symbol by its word under the case mode: equal words get
    // the same number, 1, 2, ... in order of first appearance; breaks and the
    // terminator get 0.
    std::vector<std::int32_t> WordClasses(std::int32_t& classCount) const;
    std::vector<std::int32_t> WordRanks(const std::vector<std::int32_t>& classes,
                                        std::int32_t classCount) const;
    void AssignIds(const std::vector<std::int32_t>& classes, const std::vector<std::int32_t>& rank);

    std::shared_ptr<const std::string> sourceText_;
    bool addTerminator_ = false;
    bool caseSensitive_ = false;
    bool hasBreaks_ = false;
    bool idsAssigned_ = false;
    bool hasPositions_ = false;
    TFePodArray<TFeWordItem> items_;
    std::vector<std::int32_t> sortedItems_;  // symbol indices in word order
    std::vector<std::int32_t> sortedStarts_; // their Start values
    std::vector<std::int32_t> wordBounds_;
};

} // namespace lexorin
