// Keywords: the words whose frequency in the text stands out against a
// reference, by log-likelihood and log ratio.
#pragma once

#include "Calculation.h"
#include "CodePage.h"
#include "CsvExport.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace lexorin {

// Which words a side counts as types.
struct TWordFilter {
    bool caseSensitive = false;
    bool excludeNumbers = true;
    // Words left out, UTF-8 and case-folded (Utf8Fold); null for none.
    const std::unordered_set<std::string>* ignored = nullptr;
};

// A side of the comparison: each word type with its frequency, and the
// tokens of those types: the numbers and ignored words left out are not
// counted, so that a text and the word list exported from it count alike.
// A type is its word in UTF-8, case-folded unless case decides; it is shown
// as its first spelling, in lower case unless case decides.
struct TWordCounts {
    std::unordered_map<std::string, std::int64_t> frequencies;
    std::unordered_map<std::string, std::string> shown;
    std::int64_t tokens = 0;
};

// A reference that cannot be read: the message names the file and why.
class EReference : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Adds the words of a text in the bytes of `page` to `counts`, tokenised by
// that page's classes.
void CountWords(std::string_view text, const TCodePage& page, const TWordFilter& filter,
                TWordCounts& counts);

// Adds a reference file to `counts`. A name ending in ".csv" is a word list
// as the concordance exports it (word, frequency; a title line is skipped),
// read with the marks of `csv`; its tokens are the sum of its frequencies.
// Any other file is a text: in the `named` encoding when one is named;
// otherwise UTF-8 or UTF-16 as its bytes show, else in `eightBitEncoding`
// (empty: Windows-1251).
void CountReferenceFile(const std::string& path, const TCsvFormat& csv, const TWordFilter& filter,
                        std::string_view named, std::string_view eightBitEncoding,
                        TWordCounts& counts);

// The reference files of the option, separated by "|".
std::vector<std::string> ReferencePaths(std::string_view option);

// What the keywords say without a reference, and the refusal of one without
// words.
inline constexpr std::string_view kNoReference =
    "Choose the reference: one or more texts, or a word list exported from the concordance.";
inline constexpr std::string_view kEmptyReference = "The reference holds no words.";
inline constexpr std::string_view kNoTextWords = "The text holds no words to compare.";

struct TKeyword {
    std::string word;           // UTF-8
    std::int64_t text = 0;      // a
    std::int64_t reference = 0; // b
    double textPerMillion = 0, referencePerMillion = 0;
    double logLikelihood = 0, logRatio = 0;
};

// Every word type of either side with its figures, in no particular order.
std::vector<TKeyword> FindKeywords(const TWordCounts& text, const TWordCounts& reference);

// The thresholds offered for the log-likelihood (p < 0.05, 0.01, 0.001,
// 0.0001).
inline constexpr double kKeywordThresholds[] = {3.84, 6.63, 10.83, 15.13};

// Whether a keyword is listed: |LL| at least `threshold`, a + b at least
// `minFrequency`.
bool KeepKeyword(const TKeyword& keyword, double threshold, std::int64_t minFrequency);

} // namespace lexorin
