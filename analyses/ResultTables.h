// The result tables of the analyses, with their fields, and the initial sort
// markers of the lists that show them.
#pragma once

#include "MemTable.h"

#include <string>

namespace lexorin {

TMemTable MakePhraseTable();            // mteRes
TMemTable MakeWordformTable();          // mteWordForms
TMemTable MakeConcordanceTable();       // mteConcordance
TMemTable MakeConcordanceDetailTable(); // mteConcordanceDetail

// "words desc,cases desc,text asc" and the like; empty for a table whose
// list is not sorted by title.
std::string InitialSortKeys(const TMemTable& table);

} // namespace lexorin
