#include "RptList.h"

#include "ExportRows.h"
#include "RptFooter.h"

namespace lexorin {
namespace {

struct TColumnPlace {
    const char* field;
    double width;
    unsigned style; // of the row's memo
};

const char* Heading(TAnalysisPage page) {
    switch (page) {
    case TAnalysisPage::Kwic:
        return "KWIC lines :";
    case TAnalysisPage::Collocates:
        return "Collocates :";
    default:
        return "Keywords :";
    }
}

// The columns across the printable width, 722 px from the left margin.
std::vector<TColumnPlace> Places(TAnalysisPage page) {
    switch (page) {
    case TAnalysisPage::Kwic:
        return {{"pos", 56, kRight},
                {"left", 266, kRight | kWrap | kGrows},
                {"match", 120, kBold | kWrap | kGrows},
                {"right", 280, kWrap | kGrows}};
    case TAnalysisPage::Collocates:
        return {{"word", 142, kWrap | kGrows}, {"observed", 48, kRight},  {"expected", 80, kRight},
                {"ll", 110, kRight},           {"mi", 70, kRight},        {"tscore", 70, kRight},
                {"logdice", 70, kRight},       {"frequency", 52, kRight}, {"left", 40, kRight},
                {"right", 40, kRight}};
    default:
        return {{"word", 190, kWrap | kGrows}, {"text", 70, kRight},      {"reference", 80, kRight},
                {"ll", 100, kRight},           {"logratio", 100, kRight}, {"textpm", 90, kRight},
                {"referencepm", 92, kRight}};
    }
}

} // namespace

TfrRptList::TfrRptList(TAnalysisState& state, QString sourceName, TAnalysisPage page,
                       QWidget* parent)
    : TfrRep(state, std::move(sourceName), parent), page_(page) {}

TMemTable& TfrRptList::DataTable() {
    return *ListTable(state_, page_);
}

TReportTemplate TfrRptList::ReportTemplate() const {
    const QString table = QString::fromStdString(ListTable(state_, page_)->Name());
    const std::vector<std::string> titles = ExportTitles(page_, TConcordanceLayout::Basic);
    std::vector<TReportObject> header{PageNumberMemo()};
    std::vector<TReportObject> row;
    double left = 18;
    const std::vector<TColumnPlace> places = Places(page_);
    for (std::size_t k = 0; k < places.size(); ++k) {
        const TColumnPlace& place = places[k];
        const double inner = place.width - 6; // a gap to the next column
        const unsigned right = place.style & kRight;
        header.push_back(Memo("Title", left, 138, inner, 16, QString::fromStdString(titles[k]), 8,
                              kBold | right | kWrap | kGrows));
        row.push_back(Memo(
            "Field", left, 214, inner, 16,
            QStringLiteral("[fmLexorin.%1.\"%2\"]").arg(table, QString::fromLatin1(place.field)),
            10, place.style));
        left += place.width;
    }
    header.push_back(Line("Line1", 18, 158, 722));
    return {QStringLiteral("TfrRptList"),
            {{TBandKind::ReportTitle,
              16,
              76,
              false,
              {Memo("Memo5", 18, 20, 400, 20, QString::fromLatin1(Heading(page_)), 12, kBold),
               Memo("Memo6", 18, 45, 717, 20, QStringLiteral("[varFileName]"), 10, kBold),
               Memo("Memo7", 18, 67, 717, 18, QStringLiteral("[varDetails]"), 9, kWrap | kGrows)}},
             {TBandKind::PageHeader, 112, 52, false, std::move(header)},
             {TBandKind::MasterData, 208, 22, true, std::move(row)},
             SummaryBand(996, 1010, 1022, 1039, "Memo14")}};
}

void TfrRptList::ReportMainGetValue(const QString& name, QString& value) {
    if (name != QStringLiteral("varDetails")) {
        TfrRep::ReportMainGetValue(name, value);
        return;
    }
    const std::string& details = page_ == TAnalysisPage::Kwic         ? state_.kwicDetails
                                 : page_ == TAnalysisPage::Collocates ? state_.collocateDetails
                                                                      : state_.keywordDetails;
    value = QString::fromStdString(details);
}

QString TfrRptList::RealText(double value) const {
    const QString text = QString::number(value, 'f', 3);
    return text == QStringLiteral("-0.000") ? QStringLiteral("0.000") : text;
}

} // namespace lexorin
