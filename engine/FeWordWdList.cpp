#include "FeWordWdList.h"

#include "FeErrors.h"

#include <algorithm>
#include <numeric>

namespace lexorin {

TFeWordsString::TFeWordsString(std::shared_ptr<const std::string> text, bool addTerminator)
    : sourceText_(std::move(text)), addTerminator_(addTerminator) {}

TFeWordsString::TFeWordsString(std::string text, int capacity, const TCharSet& stopChars,
                               bool addTerminator)
    : TFeWordsString(std::make_shared<const std::string>(std::move(text)), addTerminator) {
    hasPositions_ = StoreWordPositions;
    // The text length bounds the number of words and breaks.
    const std::size_t bound = sourceText_->size() + 1;
    items_.SetCapacity(std::min(bound, static_cast<std::size_t>(std::max(capacity, 0)) + 1));
    Tokenize(stopChars);
}

void TFeWordsString::AddItem(std::int32_t start, std::int32_t len) {
    const auto index = static_cast<std::int32_t>(items_.Size());
    items_.PushBack({start, len, index, 0}, std::max<std::size_t>(16, items_.Size()));
}

void TFeWordsString::Tokenize(const TCharSet& stopChars) {
    // One table look-up per character tells what it may be.
    enum : std::uint8_t { kWordChar = 1, kStop = 2, kApostrophe = 4 };
    std::uint8_t kind[256] = {};
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        kind[b] = static_cast<std::uint8_t>((IsWordChar(c) ? kWordChar : 0) |
                                            (stopChars.Contains(c) ? kStop : 0) |
                                            (c == '\'' ? kApostrophe : 0));
    }
    const std::string& text = *sourceText_;
    const std::size_t length = text.size();
    hasBreaks_ = false;
    std::int32_t breaks = 0;
    std::size_t word = 0; // 1 + index of the word being read; 0 between words
    for (std::size_t i = 1; i <= length; ++i) {
        const std::uint8_t k = kind[static_cast<std::uint8_t>(text[i - 1])];
        const bool wordChar = (k & kWordChar) || ((k & kApostrophe) && IsWordCharAt(text, i));
        if (word == 0) {
            if (wordChar) {
                // A word begins; its first character is never a break.
                AddItem(static_cast<std::int32_t>(i), 1);
                word = items_.Size();
                continue;
            }
        } else if (wordChar) {
            ++items_[word - 1].Len;
        } else {
            word = 0;
        }
        // A stop character inside a word puts its break after that word's item.
        if (k & kStop) {
            AddItem(breaks++, -1);
            hasBreaks_ = true;
        }
    }
    if (addTerminator_)
        AddItem(1, 0);
    items_.SetCapacity(items_.Size());
}

std::string_view TFeWordsString::SymbolText(std::size_t s) const {
    const TFeWordItem& item = items_[s];
    if (item.Len <= 0)
        return {};
    return std::string_view(*sourceText_)
        .substr(static_cast<std::size_t>(item.Start - 1), static_cast<std::size_t>(item.Len));
}

std::string_view TFeWordsString::SortedWordText(int k) const {
    if (k < 0 || static_cast<std::size_t>(k) >= sortedItems_.size())
        return {};
    return SymbolText(static_cast<std::size_t>(sortedItems_[k]));
}

TFeWordsString::TFragmentSpan TFeWordsString::FragmentSpan(int first, int words) const {
    if (!hasPositions_)
        throw EFeError("Word positions are not accessible");
    const int last = first + words - 1;
    if (first < 1 || words < 1 || last > Length())
        return {};
    const std::int64_t from = Position(first);
    const std::int64_t to = std::int64_t{Position(last)} + Item(last).Len; // one past the end
    if (from < 1 || to <= from || to - 1 > static_cast<std::int64_t>(sourceText_->size()))
        return {};
    return {static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from)};
}

std::string TFeWordsString::GetFragment(int first, int words) const {
    const TFragmentSpan span = FragmentSpan(first, words);
    return sourceText_->substr(span.start, span.length);
}

bool TFeWordsString::SameWord(std::string_view a, std::string_view b) const {
    return caseSensitive_ ? a == b : SameTextIgnoreCase(a, b);
}

namespace {

// Hash of a word under the case mode.
std::uint64_t WordHash(std::string_view word, bool caseSensitive) {
    std::uint64_t h = 1469598103934665603ULL;
    for (char c : word) {
        const std::uint8_t b = caseSensitive ? static_cast<std::uint8_t>(c) : LowerChar(c);
        h = (h ^ b) * 1099511628211ULL;
    }
    return h ^ (h >> 29);
}

} // namespace

std::vector<std::int32_t> TFeWordsString::WordClasses(std::int32_t& classCount) const {
    // Open addressing over the distinct words. The table grows with their
    // number, not with the symbols', and keeps each word's hash and class and
    // a copy of its text in one small block, so that a look-up stays in the
    // cache instead of reading the word's first occurrence in the text.
    struct TSlot {
        std::uint32_t hash = 0;
        std::int32_t wordClass = 0; // 0: empty
        std::uint32_t offset = 0;   // of the text in `words`
        std::uint32_t length = 0;
    };
    const std::size_t n = items_.Size();
    std::vector<std::int32_t> classes(n, 0);
    std::vector<TSlot> table(1024);
    std::string words;
    std::size_t mask = table.size() - 1;
    classCount = 0;
    for (std::size_t s = 0; s < n; ++s) {
        const std::string_view word = SymbolText(s);
        if (word.empty())
            continue;
        const auto hash = static_cast<std::uint32_t>(WordHash(word, caseSensitive_));
        std::size_t slot = hash & mask;
        while (table[slot].wordClass != 0 &&
               (table[slot].hash != hash ||
                !SameWord(std::string_view(words).substr(table[slot].offset, table[slot].length),
                          word)))
            slot = (slot + 1) & mask;
        if (table[slot].wordClass != 0) {
            classes[s] = table[slot].wordClass;
            continue;
        }
        table[slot] = {hash, ++classCount, static_cast<std::uint32_t>(words.size()),
                       static_cast<std::uint32_t>(word.size())};
        words.append(word);
        classes[s] = classCount;
        if (2 * static_cast<std::size_t>(classCount) > table.size()) {
            std::vector<TSlot> larger(2 * table.size());
            mask = larger.size() - 1;
            for (const TSlot& old : table) {
                if (old.wordClass == 0)
                    continue;
                std::size_t at = old.hash & mask;
                while (larger[at].wordClass != 0)
                    at = (at + 1) & mask;
                larger[at] = old;
            }
            table = std::move(larger);
        }
    }
    return classes;
}

// The rank of each word class (1, 2, ... in collation order; 0 for the
// breaks and the terminator): the distinct words are sorted once.
std::vector<std::int32_t> TFeWordsString::WordRanks(const std::vector<std::int32_t>& classes,
                                                    std::int32_t classCount) const {
    std::vector<std::int32_t> representative(static_cast<std::size_t>(classCount) + 1, -1);
    for (std::size_t s = 0; s < classes.size(); ++s)
        if (representative[static_cast<std::size_t>(classes[s])] == -1)
            representative[static_cast<std::size_t>(classes[s])] = static_cast<std::int32_t>(s);
    std::vector<std::int32_t> byWord(static_cast<std::size_t>(classCount));
    std::iota(byWord.begin(), byWord.end(), 1);
    std::sort(byWord.begin(), byWord.end(), [&](std::int32_t a, std::int32_t b) {
        return CompareText(SymbolText(static_cast<std::size_t>(representative[a])),
                           SymbolText(static_cast<std::size_t>(representative[b])),
                           caseSensitive_) < 0;
    });
    std::vector<std::int32_t> rank(static_cast<std::size_t>(classCount) + 1, 0);
    for (std::size_t r = 0; r < byWord.size(); ++r)
        rank[static_cast<std::size_t>(byWord[r])] = static_cast<std::int32_t>(r) + 1;
    return rank;
}

void TFeWordsString::SortWords(bool assignIds) {
    // The items are placed by the rank of their word, in symbol order within
    // a word, which keeps the sort stable and linear in the number of items.
    std::int32_t classCount = 0;
    const std::vector<std::int32_t> classes = WordClasses(classCount);
    const std::vector<std::int32_t> rank = WordRanks(classes, classCount);
    // Breaks and the terminator (rank 0) come first.
    std::vector<std::int32_t> firstSlot(static_cast<std::size_t>(classCount) + 2, 0);
    for (std::int32_t c : classes)
        ++firstSlot[static_cast<std::size_t>(rank[static_cast<std::size_t>(c)]) + 1];
    std::partial_sum(firstSlot.begin(), firstSlot.end(), firstSlot.begin());
    wordBounds_.assign(firstSlot.begin() + 1, firstSlot.end());
    sortedItems_.assign(classes.size(), 0);
    sortedStarts_.assign(classes.size(), 0);
    for (std::size_t s = 0; s < classes.size(); ++s) {
        const auto r = static_cast<std::size_t>(rank[static_cast<std::size_t>(classes[s])]);
        const auto slot = static_cast<std::size_t>(firstSlot[r]++);
        sortedItems_[slot] = static_cast<std::int32_t>(s);
        sortedStarts_[slot] = items_[s].Start;
    }
    if (assignIds)
        AssignIds(classes, rank);
}

void TFeWordsString::NumberWords() {
    std::int32_t classCount = 0;
    const std::vector<std::int32_t> classes = WordClasses(classCount);
    AssignIds(classes, WordRanks(classes, classCount));
}

// Walking the sorted items, the id grows at every break and the terminator
// and at the first item of every word; so the breaks, which come first in
// symbol order, get 1, 2, ..., B, and the words of rank r get B + r. That
// is computed here in symbol order, without reading the texts again.
void TFeWordsString::AssignIds(const std::vector<std::int32_t>& classes,
                               const std::vector<std::int32_t>& rank) {
    std::int32_t breaks = 0;
    for (std::size_t s = 0; s < classes.size(); ++s)
        breaks += classes[s] == 0 ? 1 : 0;
    std::int32_t breakId = 0;
    for (std::size_t s = 0; s < classes.size(); ++s) {
        const std::int32_t c = classes[s];
        items_[s].Id = c == 0 ? ++breakId : breaks + rank[static_cast<std::size_t>(c)];
    }
    idsAssigned_ = true;
}

void TFeWordsString::FreeItems() {
    items_.Clear();
    sortedItems_ = {};
    sortedStarts_ = {};
    wordBounds_ = {};
}

int TFeWordsString::Length() const {
    return static_cast<int>(items_.Size());
}

bool TFeWordsString::SymbolsEqual(int i, int j) const {
    if (idsAssigned_)
        return Item(i).Id == Item(j).Id;
    if (Item(i).Len <= 0 || Item(j).Len <= 0)
        return i == j;
    return SameWord(WordText(i), WordText(j));
}

int TFeWordsString::CompareSymbols(int i, int j) const {
    return CompareText(WordText(i), WordText(j), caseSensitive_);
}

namespace {

const TFeWordsString& AsWordsString(const TFeStringObject& other) {
    const auto* words = dynamic_cast<const TFeWordsString*>(&other);
    if (words == nullptr)
        throw EFeInvalidCast("a word string was expected");
    return *words;
}

} // namespace

bool TFeWordsString::SymbolsEqualIn(const TFeStringObject& other, int i, int j) const {
    return SameWord(WordText(i), AsWordsString(other).WordText(j));
}

int TFeWordsString::SymbolsDiffer(int i, int j) const {
    return WordText(i) == WordText(j) ? 0 : 1;
}

int TFeWordsString::SymbolsDifferIn(const TFeStringObject& other, int i, int j) const {
    return WordText(i) == AsWordsString(other).WordText(j) ? 0 : 1;
}

std::unique_ptr<TFeStringObject> TFeWordsString::SubString(int from, int count) const {
    std::unique_ptr<TFeWordsString> result(new TFeWordsString(sourceText_, false));
    const int first = std::max(from, 1);
    const int last = std::min(from + count - 1, Length());
    for (int n = first; n <= last; ++n) {
        TFeWordItem item = Item(n);
        item.Id = 0;
        result->items_.PushBack(item, std::max<std::size_t>(16, result->items_.Size()));
    }
    return result;
}

void TFeWordsString::GetText(std::string& s) const {
    s.clear();
    for (std::size_t k = 0; k < items_.Size(); ++k) {
        const std::string_view word = SymbolText(k);
        if (k > 0)
            s.push_back(' ');
        if (word.empty())
            s.push_back('$');
        else
            s.append(word);
    }
    if (!caseSensitive_)
        s = LowerCaseText(s);
}

TPageVector<std::int32_t> TFeWordsString::SymbolKeys() const {
    TPageVector<std::int32_t> keys(items_.Size() + 1, 0);
    if (idsAssigned_) {
        for (std::size_t s = 0; s < items_.Size(); ++s)
            keys[s + 1] = items_[s].Id;
        return keys;
    }
    // Breaks and the terminator equal only themselves: keys above every word's.
    std::int32_t classCount = 0;
    const std::vector<std::int32_t> classes = WordClasses(classCount);
    for (std::size_t s = 0; s < items_.Size(); ++s)
        keys[s + 1] = classes[s] != 0 ? classes[s] : classCount + 1 + static_cast<std::int32_t>(s);
    return keys;
}

} // namespace lexorin
