// The report of the phrase frequency list.
#pragma once

#include "RptBase.h"

namespace lexorin {

class TfrRptPhrase : public TfrRep {
    Q_OBJECT
public:
    using TfrRep::TfrRep;

protected:
    TReportTemplate ReportTemplate() const override;
    TMemTable& DataTable() override { return state_.mteRes; }
};

} // namespace lexorin
