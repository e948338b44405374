#include "RptConcordance.h"

#include "Concordance.h"
#include "QtText.h"
#include "RptFooter.h"

namespace lexorin {

TReportTemplate TfrRptConcordance::ReportTemplate() const {
    const auto text = [](const char* value) { return QString::fromLatin1(value); };
    return {text("TfrRptConcordance"),
            {{TBandKind::ReportTitle,
              16,
              60,
              false,
              {Memo("Memo5", 18, 20, 244, 20, text("Concordance :"), 12, kBold),
               Memo("Memo6", 18, 45, 717, 20, text("[varFileName]"), 10, kBold)}},
             {TBandKind::PageHeader,
              112,
              43,
              false,
              {PageNumberMemo(),
               Memo("Memo7", 18, 134, 149, 15, text("word and context list"), 8, kBold),
               Memo("Memo8", 654, 134, 68, 16, text("frequency"), 8, kBold),
               Line("Line3", 18, 153, 722)}},
             {TBandKind::MasterData,
              196,
              40,
              true,
              {Line("Line1", 18, 198, 722, kReportGrey, true),
               Memo("Memo1", 18, 200, 479, 16, text("[fmLexorin.mteConcordance.\"word\"]"), 10,
                    kBold | kWrap),
               Memo("Memo2", 656, 200, 52, 16, text("[fmLexorin.mteConcordance.\"count\"]"), 10,
                    kRight | kWrap),
               Memo("Memo3", 27, 220, 607, 16, text("[varContexts]"), 10, kWrap | kGrows)}},
             SummaryBand(992, 1002, 1018, 1035, "Memo13")}};
}

void TfrRptConcordance::ReportMainGetValue(const QString& name, QString& value) {
    if (name != QStringLiteral("varContexts")) {
        TfrRep::ReportMainGetValue(name, value);
        return;
    }
    value.clear();
    for (const std::string& context : GetReportContexts(state_))
        value += FromTextBytes(context) + u'\n';
}

} // namespace lexorin
