// The base of the report frames: the preview above a bottom panel with
// "Close tab", and the walk over a result table that prepares a report.
#pragma once

#include "AnalysisState.h"
#include "ReportTemplate.h"

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace lexorin {

class TfrRepPreview;

class TfrRep : public QWidget {
    Q_OBJECT
public:
    // `sourceName` is where the text came from, printed under the title.
    TfrRep(TAnalysisState& state, QString sourceName, QWidget* parent = nullptr);

    // The list whose drawing stops while the report walks its table.
    void SetGrid(QWidget* grid) { grid_ = grid; }

    // Walks the table from its first to its last shown row into a new report
    // and shows it at 100 percent, first page. The table's current row, the
    // list's drawing and the row-change reaction are restored, also on error.
    virtual void BuildReport();

    TfrRepPreview* PreviewFrame;
    QWidget* pnBot;
    QPushButton* Button1;

signals:
    // "Close tab" was pressed.
    void CloseTabRequested();

protected:
    virtual TReportTemplate ReportTemplate() const = 0;
    virtual TMemTable& DataTable() = 0;
    // Whether walking the table must not rebuild what follows its current row.
    virtual bool SuspendsRowChange() const { return false; }
    // Sets `value` for a report variable of the current row; names it does
    // not know leave the value untouched.
    virtual void ReportMainGetValue(const QString& name, QString& value);
    // How a field of real numbers prints.
    virtual QString RealText(double value) const;

    TAnalysisState& state_;

private:
    std::vector<QString> Evaluate(const TReportBand& band);
    QString FieldText(const QString& table, const QString& field);

    QString sourceName_;
    QPointer<QWidget> grid_;
};

} // namespace lexorin
