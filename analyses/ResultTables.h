// The result tables of the analyses, with their fields, and the initial sort
// markers of the lists that show them.
#pragma once

#include "MemTable.h"
#include "SortMarkers.h"

#include <string>

namespace lexorin {

TMemTable MakePhraseTable();            // mteRes
TMemTable MakeWordformTable();          // mteWordForms
TMemTable MakeConcordanceTable();       // mteConcordance
TMemTable MakeConcordanceDetailTable(); // mteConcordanceDetail
TMemTable MakeKwicTable();              // mteKwic
TMemTable MakeCollocateTable();         // mteCollocates
TMemTable MakeKeywordTable();           // mteKeywords

// The sort markers a table's list starts with; none for a list that is not
// sorted by title.
TSortMarkers InitialSortMarkers(const TMemTable& table);

// The keys of those markers: "words desc,cases desc,text asc" and the like.
std::string InitialSortKeys(const TMemTable& table);

} // namespace lexorin
