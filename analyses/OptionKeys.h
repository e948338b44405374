// The options under their settings-file keys ("rseCases_Value",
// "cbCaseSens_Checked", "edBreakChars_Text", ...), read as the settings
// file is read: check states "True" or "False" in any case, numbers with
// "." as decimal separator, clamped to the control's range and rounded.
#pragma once

#include "AnalysisOptions.h"

#include <string_view>

namespace lexorin {

enum class TOptionResult { Applied, UnknownKey, BadValue };

// Sets one option; a value that cannot be read leaves the option as it was.
TOptionResult ApplyOption(TAnalysisOptions& options, std::string_view key, std::string_view value);

} // namespace lexorin
