#include "OptionKeys.h"

#include "FeUtils.h"
#include "Utf8.h"

#include <charconv>
#include <cmath>
#include <span>
#include <string>

namespace lexorin {
namespace {

struct TOptionKey {
    const char* key;
    bool TAnalysisOptions::*check = nullptr;
    bool TAnalysisOptions::*partner = nullptr; // the other button of a radio pair
    int TAnalysisOptions::*number = nullptr;
    int minimum = 0, maximum = 0;
    std::string TAnalysisOptions::*text = nullptr;
    std::size_t maxLength = std::string::npos;
};

using O = TAnalysisOptions;
const TOptionKey kKeys[] = {
    {"cbCaseSens_Checked", &O::cbCaseSens},
    {"rseWords_Value", nullptr, nullptr, &O::rseWords, 1, 99},
    {"rbExact_Checked", &O::rbExact, &O::rbMin},
    {"rbExactWords_Checked", &O::rbExactWords, &O::rbMinWords},
    {"rbMin_Checked", &O::rbMin, &O::rbExact},
    {"rbMinWords_Checked", &O::rbMinWords, &O::rbExactWords},
    {"edBreakChars_Text", nullptr, nullptr, nullptr, 0, 0, &O::edBreakChars},
    {"cbIncludeSubstrings_Checked", &O::cbIncludeSubstrings},
    {"cbWordsUseIgnored_Checked", &O::cbWordsUseIgnored},
    {"cbAutoPhraseHeight_Checked", &O::cbAutoPhraseHeight},
    {"rseChars_Value", nullptr, nullptr, &O::rseChars, 1, 99},
    {"cbPrefOnly_Checked", &O::cbPrefOnly},
    {"edSeparator_Text", nullptr, nullptr, nullptr, 0, 0, &O::edSeparator, 1},
    {"edQuote_Text", nullptr, nullptr, nullptr, 0, 0, &O::edQuote, 1},
    {"edDecimalSeparator_Text", nullptr, nullptr, nullptr, 0, 0, &O::edDecimalSeparator, 1},
    {"cbShowTitles_Checked", &O::cbShowTitles},
    {"cbDupQuotes_Checked", &O::cbDupQuotes},
    {"cbConcordanceUseIgnored_Checked", &O::cbConcordanceUseIgnored},
    {"rseCases_Value", nullptr, nullptr, &O::rseCases, 2, 99},
    {"rseConcMinFreq_Value", nullptr, nullptr, &O::rseConcMinFreq, 1, 99},
    {"rseWordCases_Value", nullptr, nullptr, &O::rseWordCases, 2, 99},
    {"rseConLength_Value", nullptr, nullptr, &O::rseConLength, 1, 99},
    {"rxseSize_Value", nullptr, nullptr, &O::rxseSize, 8, 18},
    {"cbConcCapitalize_Checked", &O::cbConcCapitalize},
    {"cbProtectFormulas_Checked", &O::cbProtectFormulas},
    {"cbSortLanguage_Text", nullptr, nullptr, nullptr, 0, 0, &O::cbSortLanguage},
    {"rseKwicSpan_Value", nullptr, nullptr, &O::rseKwicSpan, 0, 99},
    {"edKwicSort_Text", nullptr, nullptr, nullptr, 0, 0, &O::edKwicSort},
    {"rseCollocLeft_Value", nullptr, nullptr, &O::rseCollocLeft, 0, 99},
    {"rseCollocRight_Value", nullptr, nullptr, &O::rseCollocRight, 0, 99},
    {"cbCollocStopAtBreaks_Checked", &O::cbCollocStopAtBreaks},
    {"rseCollocMinObserved_Value", nullptr, nullptr, &O::rseCollocMinObserved, 1, 9999},
    {"rseCollocMinFrequency_Value", nullptr, nullptr, &O::rseCollocMinFrequency, 1, 9999},
    {"edKeywordReference_Text", nullptr, nullptr, nullptr, 0, 0, &O::edKeywordReference},
    {"cbKeywordEncoding_Text", nullptr, nullptr, nullptr, 0, 0, &O::cbKeywordEncoding},
    {"cbKeywordThreshold_ItemIndex", nullptr, nullptr, &O::cbKeywordThreshold, 0, 4},
    {"rseKeywordMinFreq_Value", nullptr, nullptr, &O::rseKeywordMinFreq, 1, 9999},
};
// Options the settings file does not keep; the command line sets them.
const TOptionKey kUnstoredKeys[] = {
    {"cbConcExcludeNumbers_Checked", &O::cbConcExcludeNumbers},
    {"edContextBreakChars_Text", nullptr, nullptr, nullptr, 0, 0, &O::edContextBreakChars},
    {"edKwicSearch_Text", nullptr, nullptr, nullptr, 0, 0, &O::edKwicSearch},
    {"edKwicNear_Text", nullptr, nullptr, nullptr, 0, 0, &O::edKwicNear},
    {"edCollocSearch_Text", nullptr, nullptr, nullptr, 0, 0, &O::edCollocSearch},
};

bool ReadNumber(std::string_view value, double& number) {
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    return error == std::errc() && end == value.data() + value.size() && std::isfinite(number);
}

const TOptionKey* FindKey(std::string_view key) {
    for (const auto keys :
         {std::span<const TOptionKey>(kKeys), std::span<const TOptionKey>(kUnstoredKeys)})
        for (const TOptionKey& option : keys)
            if (SameTextIgnoreCase(key, option.key))
                return &option;
    return nullptr;
}

// `clip`: a text is cut to the length its field takes, as the settings
// file is read; otherwise it is kept whole, for CsvOptionsProblem to refuse.
TOptionResult Apply(TAnalysisOptions& options, const TOptionKey& option, std::string_view value,
                    bool clip) {
    if (option.check != nullptr) {
        const std::optional<bool> on = ReadCheckText(value);
        if (!on)
            return TOptionResult::BadValue;
        options.*option.check = *on;
        if (option.partner != nullptr)
            options.*option.partner = !*on;
    } else if (option.number != nullptr) {
        double number = 0;
        if (!ReadNumber(value, number))
            return TOptionResult::BadValue;
        number = std::round(number);
        options.*option.number = static_cast<int>(
            std::fmin(std::fmax(number, double(option.minimum)), double(option.maximum)));
    } else {
        options.*option.text = std::string(clip ? Utf8Prefix(value, option.maxLength) : value);
    }
    return TOptionResult::Applied;
}

} // namespace

const char* CheckText(bool on) {
    return on ? "True" : "False";
}

std::optional<bool> ReadCheckText(std::string_view text) {
    if (SameTextIgnoreCase(text, CheckText(true)))
        return true;
    if (SameTextIgnoreCase(text, CheckText(false)))
        return false;
    return std::nullopt;
}

TOptionResult ApplyOption(TAnalysisOptions& options, std::string_view key, std::string_view value) {
    const TOptionKey* option = FindKey(key);
    return option != nullptr ? Apply(options, *option, value, false) : TOptionResult::UnknownKey;
}

void ReadStoredOptions(const TIniFile& file, TAnalysisOptions& options) {
    for (const TOptionKey& option : kKeys)
        if (const auto value = file.Read(kOptionsSection, option.key))
            Apply(options, option, *value, true);
}

void WriteStoredOptions(TIniFile& file, const TAnalysisOptions& options) {
    for (const TOptionKey& option : kKeys) {
        std::string value;
        if (option.check != nullptr)
            value = CheckText(options.*option.check);
        else if (option.number != nullptr)
            value = std::to_string(options.*option.number);
        else
            value = options.*option.text;
        file.Write(kOptionsSection, option.key, value);
    }
}

} // namespace lexorin
