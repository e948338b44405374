#include "RptBase.h"

#include "QtText.h"
#include "RepPreviewFrame.h"
#include "ReportDocument.h"
#include "ReportExpressions.h"

#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace lexorin {

TfrRep::TfrRep(TAnalysisState& state, QString sourceName, QWidget* parent)
    : QWidget(parent), state_(state), sourceName_(std::move(sourceName)) {
    PreviewFrame = new TfrRepPreview(this);
    PreviewFrame->setObjectName(QStringLiteral("PreviewFrame"));
    pnBot = new QWidget(this);
    pnBot->setObjectName(QStringLiteral("pnBot"));
    pnBot->setMinimumHeight(41);
    Button1 = new QPushButton(QStringLiteral("Close tab"), pnBot);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setMinimumSize(75, 21);
    auto* bottom = new QHBoxLayout(pnBot);
    bottom->setContentsMargins(20, 9, 20, 9);
    bottom->addWidget(Button1);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PreviewFrame, 1);
    layout->addWidget(pnBot);
    connect(Button1, &QPushButton::clicked, this, &TfrRep::CloseTabRequested);
}

void TfrRep::ReportMainGetValue(const QString& name, QString& value) {
    if (name == QStringLiteral("varFileName"))
        value = sourceName_;
}

QString TfrRep::FieldText(const QString& table, const QString& field) {
    const TMemTable& rows = DataTable();
    if (table.toStdString() != rows.Name() || rows.RecNo() < 0)
        return {};
    const std::string name = field.toStdString();
    switch (rows.Fields()[static_cast<std::size_t>(rows.FieldIndex(name))].type) {
    case TFieldType::Integer:
    case TFieldType::AutoInc:
        return QString::number(rows.CurrentInteger(name));
    case TFieldType::Double:
        return RealText(rows.CurrentDouble(name));
    case TFieldType::Memo:
    case TFieldType::String:
        break;
    }
    if (rows.Fields()[static_cast<std::size_t>(rows.FieldIndex(name))].utf8)
        return QString::fromUtf8(rows.CurrentTextView(name));
    return FromTextBytes(rows.CurrentText(name));
}

QString TfrRep::RealText(double value) const {
    return PlainDecimal(value);
}

std::vector<QString> TfrRep::Evaluate(const TReportBand& band) {
    std::vector<QString> texts;
    texts.reserve(band.objects.size());
    for (const TReportObject& object : band.objects)
        texts.push_back(ExpandExpressions(object.text, [&](const QString& expression) {
            if (expression == kPageNumberExpression || expression == kTotalPagesExpression)
                return QStringLiteral("[") + expression + QStringLiteral("]");
            QString table, field;
            if (ParseFieldReference(expression, table, field))
                return FieldText(table, field);
            QString value;
            ReportMainGetValue(expression, value);
            return value;
        }));
    return texts;
}

void TfrRep::BuildReport() {
    auto document = std::make_shared<TReportDocument>(ReportTemplate());
    TMemTable& table = DataTable();
    const int saved = table.Active() ? table.RecNo() : -1;
    const bool suspend = SuspendsRowChange() && !table.ScrollEventsSuspended();
    if (grid_ != nullptr)
        grid_->setUpdatesEnabled(false);
    if (suspend)
        table.SuspendScrollEvents(true);
    {
        const auto restore = qScopeGuard([&] {
            if (saved >= 0 && saved < table.RecordCount())
                table.MoveTo(saved);
            if (suspend)
                table.SuspendScrollEvents(false);
            if (grid_ != nullptr)
                grid_->setUpdatesEnabled(true);
        });
        for (const TReportBand& band : document->Template().bands)
            if (band.kind != TBandKind::MasterData)
                document->SetBandTexts(band.kind, Evaluate(band));
        const TReportBand& master = *document->Template().Band(TBandKind::MasterData);
        const int rows = table.Active() ? table.RecordCount() : 0;
        for (int recNo = 0; recNo < rows; ++recNo) {
            table.MoveTo(recNo);
            document->AddRow(Evaluate(master));
        }
    }
    PreviewFrame->SetReport(std::move(document));
}

} // namespace lexorin
