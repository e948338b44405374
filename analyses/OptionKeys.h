// The options under their settings-file keys ("rseCases_Value",
// "cbCaseSens_Checked", "edBreakChars_Text", ...), read as the settings
// file is read: check states "True" or "False" in any case, numbers with
// "." as decimal separator, clamped to the control's range and rounded.
#pragma once

#include "AnalysisOptions.h"
#include "IniFile.h"

#include <optional>
#include <string_view>

namespace lexorin {

enum class TOptionResult { Applied, UnknownKey, BadValue };

// Sets one option; a value that cannot be read leaves the option as it was.
// A text (UTF-8) is kept whole, also where the settings file's reading cuts
// it.
TOptionResult ApplyOption(TAnalysisOptions& options, std::string_view key, std::string_view value);

// A check state as the settings file writes it, "True" or "False", and as
// it reads it: either word in any case; nothing for any other text.
const char* CheckText(bool on);
std::optional<bool> ReadCheckText(std::string_view text);

// The settings file's section of the options.
inline constexpr const char* kOptionsSection = "Options";

// Reads the options the settings file keeps from its "Options" section, in
// the file's order of items; a missing key or a value that cannot be read
// leaves its option as it was.
void ReadStoredOptions(const TIniFile& file, TAnalysisOptions& options);
// Writes them, in the same order: check states "True" or "False", numbers
// in decimal, texts as they are.
void WriteStoredOptions(TIniFile& file, const TAnalysisOptions& options);

} // namespace lexorin
