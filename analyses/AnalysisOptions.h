// The option controls the analyses and the export read, one member per
// control of the Options page, named after it, with the control's default.
// Texts are in UTF-8, whatever the code page of the text analysed.
#pragma once

#include <string>

namespace lexorin {

struct TAnalysisOptions {
    // General
    bool cbCaseSens = false;
    // The language whose alphabetical order lists follow: a code such as
    // "sv"; empty for the default (Windows-1251's own order, and the
    // Unicode default for other pages).
    std::string cbSortLanguage;
    int rxseSize = 8;
    bool cbLayout = false;
    // Phrase frequency
    int rseWords = 1;
    bool rbMinWords = true;
    bool rbExactWords = false;
    std::string edBreakChars = ".?!";
    bool cbIncludeSubstrings = false;
    bool cbWordsUseIgnored = true;
    int rseCases = 2;
    bool cbAutoPhraseHeight = true;
    // Concordance
    int rseConcMinFreq = 1;
    bool cbConcordanceUseIgnored = true;
    int rseConLength = 3;
    bool cbConcExcludeNumbers = true;
    std::string edContextBreakChars = ".?!";
    bool cbConcCapitalize = true;
    // Wordforms
    int rseChars = 5;
    bool rbMin = true;
    bool rbExact = false;
    int rseWordCases = 2;
    bool cbPrefOnly = true;
    // KWIC lines: the term (not kept), the words on each side and the sort
    // keys, such as "R1,R2,R3" (none: text order).
    std::string edKwicSearch;
    // Only the lines with this word in the collocates' span (not kept;
    // empty: every line).
    std::string edKwicNear;
    int rseKwicSpan = 5;
    std::string edKwicSort;
    // Collocates: the term (not kept), the span, whether it ends at the
    // phrase stop characters, the least O and the least f_c.
    std::string edCollocSearch;
    int rseCollocLeft = 5;
    int rseCollocRight = 5;
    bool cbCollocStopAtBreaks = false;
    int rseCollocMinObserved = 2;
    int rseCollocMinFrequency = 1;
    // Keywords: the reference files, separated by "|"; the threshold (0:
    // none, 1 ... 4: kKeywordThresholds) and the least a + b.
    std::string edKeywordReference;
    // The encoding the references are read in; empty: by their bytes.
    std::string cbKeywordEncoding;
    int cbKeywordThreshold = 1;
    int rseKeywordMinFreq = 2;
    // CSV export
    std::string edSeparator = ",";
    std::string edQuote = "\"";
    std::string edDecimalSeparator = ".";
    bool cbShowTitles = false;
    bool cbDupQuotes = true;
    bool cbProtectFormulas = true;
};

} // namespace lexorin
