#include "OptionKeys.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

// A settings file with one entry in its "Options" section.
TIniFile OneOption(const char* key, const char* value) {
    std::string text = "[options]\n";
    text.append(key).append("=").append(value);
    return TIniFile(text);
}

TEST(StoredOptions, AreWrittenInTheFilesOrderAndFormat) {
    TAnalysisOptions options;
    options.edSeparator.assign(1, ' '); // a single blank is written as an empty value
    options.rseWords = 7;
    options.rbExactWords = true;
    options.rbMinWords = false;
    TIniFile file;
    WriteStoredOptions(file, options);
    EXPECT_EQ(file.Text(), "[Options]\r\n"
                           "cbCaseSens_Checked=False\r\n"
                           "rseWords_Value=7\r\n"
                           "rbExact_Checked=False\r\n"
                           "rbExactWords_Checked=True\r\n"
                           "rbMin_Checked=True\r\n"
                           "rbMinWords_Checked=False\r\n"
                           "edBreakChars_Text=.?!\r\n"
                           "cbIncludeSubstrings_Checked=False\r\n"
                           "cbWordsUseIgnored_Checked=True\r\n"
                           "cbAutoPhraseHeight_Checked=True\r\n"
                           "rseChars_Value=5\r\n"
                           "cbPrefOnly_Checked=True\r\n"
                           "edSeparator_Text=\r\n"
                           "edQuote_Text=\"\r\n"
                           "edDecimalSeparator_Text=.\r\n"
                           "cbShowTitles_Checked=False\r\n"
                           "cbDupQuotes_Checked=True\r\n"
                           "cbConcordanceUseIgnored_Checked=True\r\n"
                           "rseCases_Value=2\r\n"
                           "rseConcMinFreq_Value=1\r\n"
                           "rseWordCases_Value=2\r\n"
                           "rseConLength_Value=3\r\n"
                           "rxseSize_Value=8\r\n"
                           "cbConcCapitalize_Checked=True\r\n"
                           "cbProtectFormulas_Checked=True\r\n"
                           "cbSortLanguage_Text=\r\n"
                           "rseKwicSpan_Value=5\r\n"
                           "edKwicSort_Text=\r\n"
                           "rseCollocLeft_Value=5\r\n"
                           "rseCollocRight_Value=5\r\n"
                           "cbCollocStopAtBreaks_Checked=False\r\n"
                           "rseCollocMinObserved_Value=2\r\n"
                           "rseCollocMinFrequency_Value=1\r\n"
                           "edKeywordReference_Text=\r\n"
                           "cbKeywordEncoding_Text=\r\n"
                           "cbKeywordThreshold_ItemIndex=1\r\n"
                           "rseKeywordMinFreq_Value=2\r\n");

    TAnalysisOptions back;
    back.edSeparator.assign(1, ',');
    ReadStoredOptions(file, back);
    EXPECT_EQ(back.edSeparator, "") << "the blank does not come back";
    EXPECT_EQ(back.rseWords, 7);
    EXPECT_TRUE(back.rbExactWords);
    EXPECT_FALSE(back.rbMinWords);
}

TEST(StoredOptions, ValuesAreClampedRoundedOrPassedBy) {
    struct TCase {
        const char* key;
        const char* value;
        int TAnalysisOptions::*number;
        int expected;
    };
    const TCase numbers[] = {
        {"rseWords_Value", "150", &TAnalysisOptions::rseWords, 99},
        {"rseCases_Value", "1", &TAnalysisOptions::rseCases, 2},
        {"rxseSize_Value", "9.7", &TAnalysisOptions::rxseSize, 10},
        {"rxseSize_Value", "9", &TAnalysisOptions::rxseSize, 9},
        {"rseChars_Value", "-4", &TAnalysisOptions::rseChars, 1},
        {"rseConLength_Value", "ten", &TAnalysisOptions::rseConLength, 3},
        {"rseConLength_Value", "4,5", &TAnalysisOptions::rseConLength, 3},
        {"rseConLength_Value", "", &TAnalysisOptions::rseConLength, 3},
        {"rseConLength_Value", "1e999", &TAnalysisOptions::rseConLength, 3},
    };
    for (const TCase& c : numbers) {
        TAnalysisOptions options;
        ReadStoredOptions(OneOption(c.key, c.value), options);
        EXPECT_EQ(options.*c.number, c.expected) << c.key << "=" << c.value;
    }
    const std::pair<const char*, bool> checks[] = {
        {"yes", false}, {"TRUE", true}, {"tRuE", true}, {"1", false}, {"", false}};
    for (const auto& [value, expected] : checks) {
        TAnalysisOptions options;
        ReadStoredOptions(OneOption("cbCaseSens_Checked", value), options);
        EXPECT_EQ(options.cbCaseSens, expected) << value;
    }
}

TEST(StoredOptions, TheUnstoredOptionsAreNeitherReadNorWritten) {
    TIniFile file("[Options]\ncbConcExcludeNumbers_Checked=False\nedContextBreakChars_Text=;\n");
    TAnalysisOptions options;
    ReadStoredOptions(file, options);
    EXPECT_TRUE(options.cbConcExcludeNumbers);
    EXPECT_EQ(options.edContextBreakChars, ".?!");
    TIniFile written;
    WriteStoredOptions(written, options);
    EXPECT_FALSE(written.Read("Options", "cbConcExcludeNumbers_Checked"));
    EXPECT_FALSE(written.Read("Options", "cbLayout_Checked"));
    // The command line still sets them by key.
    EXPECT_EQ(ApplyOption(options, "edContextBreakChars_Text", ";"), TOptionResult::Applied);
}

} // namespace
} // namespace lexorin
