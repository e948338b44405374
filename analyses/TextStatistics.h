// Counts, averages and the readability index of a text, from one pass.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace lexorin {

struct TTextStatistics {
    std::int32_t WordCount = 0;
    std::unordered_set<std::string> UniqueWords; // lower-cased
    std::int32_t SentenceCount = 0;
    std::int32_t ParagraphCount = 0;
    std::int32_t LineCount = 1;
    std::int32_t LetterCount = 0;
    std::string LongestWord, ShortestWord;
    std::string LongestSentence, ShortestSentence;
    std::int32_t MaxSentenceWords = 0, MinSentenceWords = 0;
    double CharsPerWord = 0;
    double LexicalDensity = 0;
    double WordsPerSentence = 0;
    double SentencesPerParagraph = 0;
    double WordsPerParagraph = 0;
    double Readability = 0;
};

TTextStatistics ComputeTextStatistics(std::string_view text);

// One field of the summary page: the control, its label and the value as
// the page shows it.
struct TSummaryField {
    const char* control;
    const char* label;
    std::string value;
};

// The page's fields in page order; the count labels follow the word and
// sentence fields they belong to.
std::vector<TSummaryField> SummaryFields(const TTextStatistics& statistics);

} // namespace lexorin
