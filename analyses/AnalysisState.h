// The state the analyses work on: the loaded text, the cached suffix trees
// with the options they were built with, the calculating flags, the ignored
// words and the result tables.
#pragma once

#include "AnalysisOptions.h"
#include "FeBase.h"
#include "FeUtils.h"
#include "IgnoredWords.h"
#include "MemTable.h"
#include "ResultTables.h"
#include "TextStatistics.h"

#include <memory>
#include <string>

namespace lexorin {

// The task pages, and the KWIC lines, which have a tab of their own.
enum class TAnalysisPage {
    Phrases,
    Wordforms,
    Concordance,
    Summary,
    Collocates,
    Keywords,
    Options,
    Kwic
};

struct TAnalysisState {
    // Moving to another concordance word rebuilds its contexts.
    TAnalysisState();
    TAnalysisState(const TAnalysisState&) = delete;
    TAnalysisState& operator=(const TAnalysisState&) = delete;

    // The text as the text view holds it, line breaks as CR LF.
    std::string viewText;
    // The view's text with every LF removed and every CR made a blank, so that
    // position p here is view position p - 1.
    std::string analysedText;

    std::unique_ptr<TFeTree> phraseTree;
    bool phraseTreeCaseSensitive = false;
    std::string phraseTreeStopChars;
    std::unique_ptr<TFeTree> wordformTree;
    bool wordformTreeCaseSensitive = false;
    bool wordformPrefixesOnly = false;

    bool busy = false;
    bool cancelRequested = false;

    // The current ignored-words list file and its words.
    std::string ignoredListPath;
    TIgnoredWordSet ignoredWordSet;

    TMemTable mteRes = MakePhraseTable();
    TMemTable mteWordForms = MakeWordformTable();
    TMemTable mteConcordance = MakeConcordanceTable();
    TMemTable mteConcordanceDetail = MakeConcordanceDetailTable();
    TMemTable mteKwic = MakeKwicTable();
    TMemTable mteCollocates = MakeCollocateTable();
    TMemTable mteKeywords = MakeKeywordTable();
    // What the last run of each of these lists searched and counted, in
    // UTF-8, for the page and the report: 'Search "the", 5 left, 5 right:
    // f_n = 64, W = 640, N = 1200'. Empty when the list is.
    std::string kwicDetails, collocateDetails, keywordDetails;
    // The term the collocates on show were found for (UTF-8).
    std::string collocateTerm;
    // The 8-bit encoding the text was read in, which keywords' references
    // that are neither UTF-8 nor UTF-16 are read in too; empty for a
    // Unicode text (Windows-1251 then).
    std::string referenceEncoding;
    // The fields of the summary page; empty until a summary is shown.
    std::vector<TSummaryField> summaryFields;

    TAnalysisOptions options;
};

// The table of a page's list (the concordance's words); none for the
// summary and the options.
const TMemTable* ListTable(const TAnalysisState& state, TAnalysisPage page);
TMemTable* ListTable(TAnalysisState& state, TAnalysisPage page);

// The analysed form of a view text.
std::string PrepareText(std::string_view viewText);

// The stop characters of an option text (UTF-8) in the text's page: every
// character but the space; one the text does not hold stops nothing.
TCharSet MakeCharSet(std::string_view utf8);

} // namespace lexorin
