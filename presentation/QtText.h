// The one place where the bytes of texts and Qt text meet: every byte is one
// QChar and back, through the text's code page (Windows-1251 unless a text
// in another page is analysed), so positions are equal on both sides.
#pragma once

#include <QString>
#include <string>

namespace lexorin {

QString FromTextBytes(const std::string& text);
// Characters the page lacks become '?'.
std::string ToTextBytes(const QString& text);
// What the user typed, in the text's page; false when a character of it is
// not in the page, so that it matches nothing in the text.
bool TypedInText(const QString& typed, std::string& text);

// The status texts and messages of the analyses and the error log are
// Windows-1251, whatever the text's page (exceptions carry UTF-8); a
// character it lacks becomes '?'.
QString FromProgramText(const std::string& cp1251);
std::string ToProgramText(const QString& text);

} // namespace lexorin
