#include "TextStatistics.h"

#include "Calculation.h"
#include "FeUtils.h"

#include <cstdio>

namespace lexorin {
namespace {

bool IsSentenceEnd(char c) {
    return c == '.' || c == '!' || c == '?';
}

double Ratio(double a, double b) {
    return b > 0 ? a / b : 0;
}

std::string TwoDecimals(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.')
            c = DecimalSeparator();
    return text;
}

} // namespace

TTextStatistics ComputeTextStatistics(std::string_view source) {
    TTextStatistics st;
    std::string text(source);
    if (!text.empty() && !IsSentenceEnd(text.back()))
        text.push_back('.');
    char previous = ' ';
    bool lineStart = true;
    int words = 0; // finished in the current sentence
    std::string word, sentence, lower;
    for (std::size_t j = 1; j <= text.size(); ++j) {
        const char ch = text[j - 1];
        sentence.push_back(ch);
        const bool wordChar = IsWordCharAt(text, j);
        if (wordChar) {
            word.push_back(ch);
            ++st.LetterCount;
        } else {
            if (!word.empty()) {
                lower.assign(word);
                for (char& c : lower)
                    c = static_cast<char>(LowerChar(c));
                st.UniqueWords.insert(lower);
                ++words;
                ++st.WordCount;
                if (word.size() > st.LongestWord.size())
                    st.LongestWord = word;
                if (st.ShortestWord.empty() || word.size() < st.ShortestWord.size())
                    st.ShortestWord = word;
                word.clear();
            }
            if (IsSentenceEnd(ch)) {
                if (words > st.MaxSentenceWords) {
                    st.MaxSentenceWords = words;
                    st.LongestSentence = sentence;
                }
                if (words > 0 && (words < st.MinSentenceWords || st.MinSentenceWords == 0)) {
                    st.MinSentenceWords = words;
                    st.ShortestSentence = sentence;
                }
                if (words > 0)
                    ++st.SentenceCount;
                words = 0;
                sentence.clear();
            } else if (ch == '\n') {
                ++st.LineCount;
            }
        }
        if (IsUpperCase(ch) && (previous == '\t' || previous == ' ') && words == 0 && lineStart) {
            ++st.ParagraphCount;
            lineStart = false;
        }
        previous = ch;
        if (ch == '\n')
            lineStart = true;
        else if (wordChar)
            lineStart = false;
    }
    st.CharsPerWord = Ratio(st.LetterCount, st.WordCount);
    st.LexicalDensity = Ratio(static_cast<double>(st.UniqueWords.size()), st.WordCount);
    st.WordsPerSentence = Ratio(st.WordCount, st.SentenceCount);
    st.SentencesPerParagraph = Ratio(st.SentenceCount, st.ParagraphCount);
    st.WordsPerParagraph = Ratio(st.WordCount, st.ParagraphCount);
    st.Readability = 4.71 * st.CharsPerWord + 0.5 * st.WordsPerSentence - 21.43;
    return st;
}

std::vector<TSummaryField> SummaryFields(const TTextStatistics& st) {
    const auto count = [](std::int32_t n, const char* unit) {
        std::string text(1, '(');
        text += std::to_string(n);
        text += unit;
        return text;
    };
    return {
        {"edWordsTotal", "Number of words", std::to_string(st.WordCount)},
        {"edUniqueWords", "Number of distinct words", std::to_string(st.UniqueWords.size())},
        {"edWordsPerSent", "Avg. words per sentence", TwoDecimals(st.WordsPerSentence)},
        {"edWordsPerParagraph", "Avg.words per paragraph", TwoDecimals(st.WordsPerParagraph)},
        {"edCharsPerWord", "Avg. characters per word", TwoDecimals(st.CharsPerWord)},
        {"edLexicalDensity", "Lexical density", TwoDecimals(st.LexicalDensity)},
        {"edSentenceCount", "Number of sentences", std::to_string(st.SentenceCount)},
        {"edParagraphCount", "Number of paragraphs", std::to_string(st.ParagraphCount)},
        {"edSentencesPerParagraph", "Avg. sentences per paragraph",
         TwoDecimals(st.SentencesPerParagraph)},
        {"edLines", "Number of lines", std::to_string(st.LineCount)},
        {"edCharacters", "Number of characters (without blanks)", std::to_string(st.LetterCount)},
        {"edLongestWord", "Longest word", st.LongestWord, "lbLongestWordChars",
         count(static_cast<std::int32_t>(st.LongestWord.size()), " char.)")},
        {"edShortestWord", "Shortest word", st.ShortestWord, "lbShortestWordChars",
         count(static_cast<std::int32_t>(st.ShortestWord.size()), " char.)")},
        {"mLongestSentence", "Longest sentence", std::string(TrimControls(st.LongestSentence)),
         "lbLongestPhraseWords", count(st.MaxSentenceWords, " words)")},
        {"mShortestSentence", "Shortest sentence", std::string(TrimControls(st.ShortestSentence)),
         "lbShortestPhraseWords", count(st.MinSentenceWords, " words)")},
        {"edReadability", "Readability (the higher, the harder to read)",
         TwoDecimals(st.Readability)},
    };
}

void CalcSummary(TCalculation& calculation) {
    TAnalysisState& state = calculation.State();
    if (state.viewText.empty()) {
        calculation.Host().SetStatusText(kEmptyTextStatus);
        return;
    }
    state.summaryFields = SummaryFields(ComputeTextStatistics(state.viewText));
}

} // namespace lexorin
