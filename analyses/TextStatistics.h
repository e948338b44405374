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
// the page shows it; the longest and shortest word and sentence also have a
// count label beside them.
struct TSummaryField {
    TSummaryField(const char* control_, const char* label_, std::string value_,
                  const char* noteControl_ = nullptr, std::string note_ = {})
        : control(control_), label(label_), value(std::move(value_)), noteControl(noteControl_),
          note(std::move(note_)) {}

    const char* control;
    const char* label;
    std::string value;
    const char* noteControl;
    std::string note;
};

// The page's fields in page order.
std::vector<TSummaryField> SummaryFields(const TTextStatistics& statistics);

} // namespace lexorin
