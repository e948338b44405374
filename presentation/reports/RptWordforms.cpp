#include "RptWordforms.h"

#include "QtText.h"
#include "RptFooter.h"
#include "Wordforms.h"

namespace lexorin {

TReportTemplate TfrRptWordforms::ReportTemplate() const {
    const auto text = [](const char* value) { return QString::fromLatin1(value); };
    return {
        text("TfrRptWordforms"),
        {{TBandKind::ReportTitle,
          16,
          56,
          false,
          {Memo("Memo5", 18, 20, 244, 20, text("Wordform frequency list :"), 12, kBold),
           Memo("Memo6", 18, 45, 717, 20, text("[varFileName]"), 10, kBold)}},
         {TBandKind::PageHeader,
          112,
          52,
          false,
          {PageNumberMemo(), Memo("Memo7", 18, 138, 117, 15, text("root"), 8, kBold),
           Memo("Memo13", 219, 138, 145, 15, text("wordforms"), 8, kBold),
           Memo("Memo8", 494, 138, 68, 16, text("frequency"), 8, kBold),
           Memo("Memo9", 572, 138, 84, 16, text("length(chars)"), 8, kBold),
           Memo("Memo10", 672, 138, 64, 16, text("dispersion"), 8, kBold),
           Line("Line1", 18, 158, 722)}},
         {TBandKind::MasterData,
          208,
          22,
          true,
          {Memo("Memo1", 18, 214, 183, 16, text("[fmLexorin.mteWordForms.\"word\"]"), 10,
                kWrap | kGrows),
           Memo("Memo15", 218, 214, 256, 16, text("[varWords]"), 10, kWrap | kGrows),
           Memo("Memo2", 500, 214, 52, 16, text("[fmLexorin.mteWordForms.\"cases\"]"), 10, kRight),
           Memo("Memo3", 592, 214, 40, 16, text("[fmLexorin.mteWordForms.\"length\"]"), 10, kRight),
           Memo("Memo4", 668, 214, 68, 16, text("[fmLexorin.mteWordForms.\"dispersion\"]"), 10,
                kRight)}},
         SummaryBand(996, 1010, 1022, 1039, "Memo14")}};
}

void TfrRptWordforms::ReportMainGetValue(const QString& name, QString& value) {
    if (name != QStringLiteral("varWords")) {
        TfrRep::ReportMainGetValue(name, value);
        return;
    }
    if (state_.wordformTree == nullptr)
        return;
    QStringList words;
    for (const std::string& word : GetReportFullWords(state_))
        words << FromTextBytes(word);
    value = words.join(u',');
}

} // namespace lexorin
