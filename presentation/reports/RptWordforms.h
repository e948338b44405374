// The report of the wordform frequency list, with the full words of each
// wordform.
#pragma once

#include "RptBase.h"

namespace lexorin {

class TfrRptWordforms : public TfrRep {
    Q_OBJECT
public:
    using TfrRep::TfrRep;

protected:
    TReportTemplate ReportTemplate() const override;
    TMemTable& DataTable() override { return state_.mteWordForms; }
    void ReportMainGetValue(const QString& name, QString& value) override;
};

} // namespace lexorin
