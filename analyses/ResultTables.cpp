#include "ResultTables.h"

#include "AnalysisHost.h"

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
    return TSortMarkers({});
}

std::string InitialSortKeys(const TMemTable& table) {
    return InitialSortMarkers(table).Keys();
}

std::string TQuietHost::SortKeys(const TMemTable& table) {
    return InitialSortKeys(table);
}

} // namespace lexorin
