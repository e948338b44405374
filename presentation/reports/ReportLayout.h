// Laying out one band of a report: its memo texts broken into lines at the
// design resolution, its grown height, where a page break may cut it, and
// drawing a horizontal slice of it.
#pragma once

#include "ReportTemplate.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <vector>

class QPainter;

namespace lexorin {

// Text sizes at 96 pixels per inch, the unit of the templates, so that the
// layout is the same whatever device draws it.
class TReportMetrics {
public:
    TReportMetrics();
    // The report's family: Arial, or the metric-compatible Liberation Sans
    // where Arial is missing.
    static QString Family();
    QFont Font(const TReportFont& font) const;
    // The same font for drawing on `painter`'s device in template pixels.
    QFont PaintFont(const TReportFont& font, const QPainter& painter) const;
    double LineStep(const TReportFont& font) const;
    // The lines of `text`: one per paragraph, or, with `wrap`, as many as
    // the width needs; each a range of `text`.
    struct TLine {
        int start;
        int length;
    };
    std::vector<TLine> Lines(const QString& text, const TReportFont& font, double width,
                             bool wrap) const;

private:
    const QFontMetricsF& Metrics(const TReportFont& font) const;
    QImage reference_;
    QString family_;
    mutable std::vector<std::pair<QFont, QFontMetricsF>> metrics_;
};

// One printed instance of a band: the texts of its objects (empty for
// lines) and what laying them out gave.
struct TLaidBand {
    const TReportBand* band = nullptr;
    std::vector<QString> texts;
    std::vector<std::vector<TReportMetrics::TLine>> lines; // per object
    std::vector<double> heights;                           // per object
    std::vector<double> steps;                             // line steps per object
    double height = 0;

    // The lowest cut between `from` and `limit` (band coordinates) that cuts
    // through no text line; `from` when there is none.
    double SafeCut(double from, double limit) const;
    // Where the band's first piece ends: its fixed texts and the first line
    // of each growing one. A page break above it would leave a heading
    // without a line of what it heads.
    double FirstPiece() const;
};

TLaidBand LayBand(const TReportBand& band, std::vector<QString> texts,
                  const TReportMetrics& metrics);

// Draws the slice [from, to) of `laid`, band coordinates, with its top at
// `y` of the painter's page.
void PaintBand(QPainter& painter, const TLaidBand& laid, const TReportMetrics& metrics, double y,
               double from, double to, double pageWidth);

} // namespace lexorin
