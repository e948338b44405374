// The phrase frequency list: repeated word sequences from the word tree.
#pragma once

#include "AnalysisState.h"

#include <string>

namespace lexorin {

// The text of the current phrase row as written at its first occurrence.
std::string GetPhraseAsWritten(const TAnalysisState& state);

} // namespace lexorin
