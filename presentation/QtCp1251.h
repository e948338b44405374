// The one place where cp1251 bytes and Qt text meet: every byte is one
// QChar and back, so positions are equal on both sides.
#pragma once

#include <QString>
#include <string>

namespace lexorin {

QString FromCp1251(const std::string& text);
// Characters cp1251 lacks become '?'.
std::string ToCp1251(const QString& text);
// Whether every character of the text has a byte.
bool FitsCp1251(const QString& text);

} // namespace lexorin
