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
    // CSV export
    std::string edSeparator = ",";
    std::string edQuote = "\"";
    std::string edDecimalSeparator = ".";
    bool cbShowTitles = false;
    bool cbDupQuotes = true;
    bool cbProtectFormulas = true;
};

} // namespace lexorin
