// The one place where the bytes of texts and Qt text meet: every byte is one
// QChar and back, through the text's code page (Windows-1251 unless a text
// in another page is analysed), so positions are equal on both sides.
#pragma once

#include <QString>
#include <string>

namespace lexorin {

QString FromCp1251(const std::string& text);
// Characters the page lacks become '?'.
std::string ToCp1251(const QString& text);

// The program's own strings (messages, status texts, the error log) are
// Windows-1251 whatever the text's page; characters it lacks become '?'.
QString FromProgramText(const std::string& cp1251);
std::string ToProgramText(const QString& text);

} // namespace lexorin
