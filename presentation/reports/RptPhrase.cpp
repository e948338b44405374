#include "RptPhrase.h"

#include "RptFooter.h"

namespace lexorin {

TReportTemplate TfrRptPhrase::ReportTemplate() const {
    const auto text = [](const char* value) { return QString::fromLatin1(value); };
    return {
        text("TfrRptPhrase"),
        {{TBandKind::ReportTitle,
          16,
          60,
          false,
          {Memo("Memo5", 18, 20, 180, 20, text("Phrase frequency list :"), 12, kBold),
           Memo("Memo6", 18, 45, 717, 20, text("[varFileName]"), 10, kBold)}},
         {TBandKind::PageHeader,
          112,
          52,
          false,
          {PageNumberMemo(), Memo("Memo7", 18, 138, 117, 15, text("Word or phrase"), 8, kBold),
           Memo("Memo8", 494, 138, 68, 16, text("frequency"), 8, kBold),
           Memo("Memo9", 572, 138, 84, 16, text("length(words)"), 8, kBold),
           Memo("Memo10", 672, 138, 64, 16, text("dispersion"), 8, kBold),
           Line("Line1", 18, 158, 722)}},
         {TBandKind::MasterData,
          196,
          23,
          false,
          {Memo("Memo1", 18, 203, 464, 16, text("[fmLexorin.mteRes.\"text\"]"), 10, kWrap | kGrows),
           Memo("Memo2", 500, 203, 52, 16, text("[fmLexorin.mteRes.\"cases\"]"), 10, kRight),
           Memo("Memo3", 592, 203, 40, 16, text("[fmLexorin.mteRes.\"words\"]"), 10, kRight),
           Memo("Memo4", 668, 203, 68, 16, text("[fmLexorin.mteRes.\"dispersion\"]"), 10, kRight)}},
         SummaryBand(996, 1004, 1020, 1036, "Memo13")}};
}

} // namespace lexorin
