// What the three report templates share: the page number and the footer.
#pragma once

#include "ReportTemplate.h"

namespace lexorin {

inline TReportObject PageNumberMemo() {
    return Memo("Memo11", 640, 114, 100, 16, QStringLiteral("Page [PAGE#]/[TOTALPAGES]"), 8,
                kBold | kGrey | kRight);
}

// The summary band: a grey line, "Printed by Lexorin " and an address line,
// which is left empty.
inline TReportBand SummaryBand(double top, double lineTop, double printedTop, double addressTop,
                               const char* addressName) {
    return {TBandKind::ReportSummary,
            top,
            61,
            false,
            {Line("Line2", 18, lineTop, 722, kReportGrey),
             Memo("Memo12", 564, printedTop, 176, 15, QStringLiteral("Printed by Lexorin \n"), 8,
                  kBold | kItalic | kGrey | kRight),
             Memo(addressName, 516, addressTop, 224, 15, QString(), 8, kItalic | kGrey | kRight)}};
}

} // namespace lexorin
