// The report of the concordance: each word with its distinct contexts.
#pragma once

#include "RptBase.h"

namespace lexorin {

class TfrRptConcordance : public TfrRep {
    Q_OBJECT
public:
    using TfrRep::TfrRep;

protected:
    TReportTemplate ReportTemplate() const override;
    TMemTable& DataTable() override { return state_.mteConcordance; }
    bool SuspendsRowChange() const override { return true; }
    void ReportMainGetValue(const QString& name, QString& value) override;
};

} // namespace lexorin
