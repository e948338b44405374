#include "ResultTables.h"

#include "AnalysisHost.h"
#include "Utf8.h"

namespace lexorin {

TMemTable MakePhraseTable() {
    return TMemTable("mteRes", {{"text", TFieldType::Memo},
                                {"cases", TFieldType::Integer},
                                {"words", TFieldType::Integer},
                                {"nodeid", TFieldType::Integer},
                                {"dispersion", TFieldType::Double}});
}

TMemTable MakeWordformTable() {
    return TMemTable("mteWordForms", {{"word", TFieldType::String, 255},
                                      {"cases", TFieldType::Integer},
                                      {"length", TFieldType::Integer},
                                      {"nodeid", TFieldType::Integer},
                                      {"dispersion", TFieldType::Double}});
}

TMemTable MakeConcordanceTable() {
    return TMemTable("mteConcordance", {{"id", TFieldType::AutoInc},
                                        {"word", TFieldType::String, 255},
                                        {"count", TFieldType::Integer},
                                        {"positions", TFieldType::Memo}});
}

TMemTable MakeConcordanceDetailTable() {
    return TMemTable("mteConcordanceDetail", {{"id", TFieldType::AutoInc},
                                              {"word", TFieldType::String, 255},
                                              {"pos", TFieldType::Integer},
                                              {"before", TFieldType::String, 255},
                                              {"after", TFieldType::String, 255},
                                              {"internalpos", TFieldType::Integer},
                                              {"internallength", TFieldType::Integer},
                                              {"display", TFieldType::String, 512}});
}

TMemTable MakeKwicTable() {
    return TMemTable("mteKwic", {{"pos", TFieldType::Integer},
                                 {"left", TFieldType::Memo},
                                 {"match", TFieldType::Memo},
                                 {"right", TFieldType::Memo}});
}

TMemTable MakeCollocateTable() {
    return TMemTable("mteCollocates", {{"word", TFieldType::String, 255},
                                       {"observed", TFieldType::Integer},
                                       {"left", TFieldType::Integer},
                                       {"right", TFieldType::Integer},
                                       {"frequency", TFieldType::Integer},
                                       {"expected", TFieldType::Double},
                                       {"mi", TFieldType::Double},
                                       {"tscore", TFieldType::Double},
                                       {"logdice", TFieldType::Double},
                                       {"ll", TFieldType::Double}});
}

TMemTable MakeKeywordTable() {
    // Words of either side, so in UTF-8: a reference may hold characters the
    // text's page lacks. 255 characters of up to four bytes.
    TMemTable table("mteKeywords", {{"word", TFieldType::String, 4 * 255, true},
                                    {"text", TFieldType::Integer},
                                    {"reference", TFieldType::Integer},
                                    {"textpm", TFieldType::Double},
                                    {"referencepm", TFieldType::Double},
                                    {"ll", TFieldType::Double},
                                    {"logratio", TFieldType::Double}});
    table.SetTextOrder(CompareUtf8);
    return table;
}

TSortMarkers InitialSortMarkers(const TMemTable& table) {
    using M = TSortMarker;
    if (table.Name() == "mteRes")
        return TSortMarkers({{"text", M::Ascending, 3},
                             {"cases", M::Descending, 2},
                             {"words", M::Descending, 1},
                             {"dispersion"}});
    if (table.Name() == "mteWordForms")
        return TSortMarkers({{"word", M::Ascending, 1},
                             {"cases", M::Descending, 3},
                             {"length", M::Descending, 2},
                             {"dispersion"}});
    if (table.Name() == "mteConcordance")
        return TSortMarkers({{"word", M::Ascending, 1}, {"count"}});
    if (table.Name() == "mteCollocates")
        return TSortMarkers({{"word", M::Ascending, 2},
                             {"observed"},
                             {"expected"},
                             {"ll", M::Descending, 1},
                             {"mi"},
                             {"tscore"},
                             {"logdice"},
                             {"frequency"},
                             {"left"},
                             {"right"}});
    if (table.Name() == "mteKeywords")
        return TSortMarkers({{"word", M::Ascending, 2},
                             {"text"},
                             {"reference"},
                             {"ll", M::Descending, 1},
                             {"logratio"},
                             {"textpm"},
                             {"referencepm"}});
    return TSortMarkers({});
}

std::string InitialSortKeys(const TMemTable& table) {
    return InitialSortMarkers(table).Keys();
}

std::string TQuietHost::SortKeys(const TMemTable& table) {
    return InitialSortKeys(table);
}

} // namespace lexorin
