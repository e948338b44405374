// Where the program's own files live: the settings file, the ignored-words
// lists and the error log. Beside the executable while its folder is
// writable (the build tree, a portable copy); otherwise, as for a program
// installed in a system folder, in the user's own folders.
#pragma once

#include <QString>

namespace lexorin {

enum class TProgramFile { Settings, IgnoredLists, ErrorLog };

// The folder of that kind of file, made if it is not there.
QString ProgramFolder(TProgramFile kind);
// The settings file: the executable's name with the extension ".ini".
QString SettingsFilePath();
// The error log: the executable's name followed by "_Err.log".
QString ErrorLogPath();
// The list that ships with the program, copied into the lists folder when
// that folder holds no list yet (a user in a fresh account).
void ProvideShippedList();

// The user guide's first page: beside the program in the build tree, or in
// the documentation folder of an install; empty when neither is there.
QString UserGuidePath();

// Puts every file of the program into one folder (for tests); an empty
// folder returns to the rule above.
void SetProgramFolder(const QString& folder);

} // namespace lexorin
