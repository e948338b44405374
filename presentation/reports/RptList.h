// The report of a list of words drawn from the text by a search: KWIC
// lines, collocates or keywords. One row per line of the list, its columns
// as the list shows them, under a heading that says what was searched.
#pragma once

#include "RptBase.h"

namespace lexorin {

class TfrRptList : public TfrRep {
    Q_OBJECT
public:
    // `page`: TAnalysisPage::Kwic, Collocates or Keywords.
    TfrRptList(TAnalysisState& state, QString sourceName, TAnalysisPage page,
               QWidget* parent = nullptr);

protected:
    TReportTemplate ReportTemplate() const override;
    TMemTable& DataTable() override;
    void ReportMainGetValue(const QString& name, QString& value) override;
    QString RealText(double value) const override;

private:
    TAnalysisPage page_;
};

} // namespace lexorin
