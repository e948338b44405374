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

std::string InitialSortKeys(const TMemTable& table) {
    if (table.Name() == "mteRes")
        return "words desc,cases desc,text asc";
    if (table.Name() == "mteWordForms")
        return "word asc,length desc,cases desc";
    if (table.Name() == "mteConcordance")
        return "word asc";
    return "";
}

std::string TQuietHost::SortKeys(const TMemTable& table) {
    return InitialSortKeys(table);
}

} // namespace lexorin
