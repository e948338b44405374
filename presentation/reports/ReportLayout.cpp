#include "ReportLayout.h"

#include <QFontDatabase>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace lexorin {
namespace {

constexpr double kPadX = 2;
constexpr double kPadY = 1;
constexpr double kEpsilon = 1e-6;
constexpr int kDesignDpi = 96;

// The vertical place of a memo's text within its band.
double TextTop(const TReportBand& band, const TReportObject& memo) {
    return memo.rect.top() - band.top + kPadY;
}

} // namespace

TReportMetrics::TReportMetrics() : reference_(1, 1, QImage::Format_RGB32), family_(Family()) {
    const int dotsPerMeter = static_cast<int>(std::lround(kDesignDpi / 0.0254));
    reference_.setDotsPerMeterX(dotsPerMeter);
    reference_.setDotsPerMeterY(dotsPerMeter);
}

QString TReportMetrics::Family() {
    const QString arial = QStringLiteral("Arial");
    return QFontDatabase::hasFamily(arial) ? arial : QStringLiteral("Liberation Sans");
}

QFont TReportMetrics::Font(const TReportFont& font) const {
    QFont result(family_);
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setKerning(false);
    return result;
}

QFont TReportMetrics::PaintFont(const TReportFont& font, const QPainter& painter) const {
    // A point size becomes pixels by the device's resolution; the painter's
    // transformation then maps template pixels to the device.
    QFont result = Font(font);
    const int dpi = painter.device()->logicalDpiY();
    result.setPointSizeF(font.points * kDesignDpi / (dpi > 0 ? dpi : kDesignDpi));
    return result;
}

const QFontMetricsF& TReportMetrics::Metrics(const TReportFont& font) const {
    const QFont wanted = Font(font);
    for (const auto& [known, metrics] : metrics_)
        if (known == wanted)
            return metrics;
    metrics_.emplace_back(wanted, QFontMetricsF(wanted, &reference_));
    return metrics_.back().second;
}

double TReportMetrics::LineStep(const TReportFont& font) const {
    return Metrics(font).height();
}

std::vector<TReportMetrics::TLine>
TReportMetrics::Lines(const QString& text, const TReportFont& font, double width, bool wrap) const {
    std::vector<TLine> lines;
    const QFontMetricsF& metrics = Metrics(font);
    int start = 0;
    while (start <= text.size()) {
        int end = static_cast<int>(text.indexOf(u'\n', start));
        const bool last = end < 0;
        if (last)
            end = static_cast<int>(text.size());
        int length = end - start;
        if (length > 0 && text[end - 1] == u'\r')
            --length;
        const QString paragraph = text.mid(start, length);
        if (!wrap || paragraph.isEmpty() || metrics.horizontalAdvance(paragraph) <= width) {
            lines.push_back({start, length});
        } else {
            QTextLayout layout(paragraph, Font(font), &reference_);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                lines.push_back({start + line.textStart(), line.textLength()});
            }
            layout.endLayout();
        }
        // A text that ends with a line break has no empty line after it.
        if (last || end + 1 >= text.size())
            break;
        start = end + 1;
    }
    return lines;
}

TLaidBand LayBand(const TReportBand& band, std::vector<QString> texts,
                  const TReportMetrics& metrics) {
    TLaidBand laid;
    laid.band = &band;
    laid.texts = std::move(texts);
    laid.texts.resize(band.objects.size());
    laid.lines.resize(band.objects.size());
    laid.heights.resize(band.objects.size());
    laid.steps.resize(band.objects.size());
    double growth = 0;
    for (std::size_t k = 0; k < band.objects.size(); ++k) {
        const TReportObject& object = band.objects[k];
        laid.heights[k] = object.rect.height();
        if (object.kind != TReportObjectKind::Memo)
            continue;
        laid.steps[k] = metrics.LineStep(object.font);
        laid.lines[k] =
            metrics.Lines(laid.texts[k], object.font, object.rect.width() - 2 * kPadX, object.wrap);
        if (object.grows) {
            const double needed = kPadY + static_cast<double>(laid.lines[k].size()) * laid.steps[k];
            laid.heights[k] = std::max(object.rect.height(), needed);
            growth = std::max(growth, laid.heights[k] - object.rect.height());
        }
    }
    laid.height = band.height + growth;
    return laid;
}

double TLaidBand::SafeCut(double from, double limit) const {
    // Lowering the cut to the top of whatever it goes through can make it go
    // through something else; repeat until it is clear.
    double cut = limit;
    for (bool moved = true; moved && cut > from;) {
        moved = false;
        for (std::size_t k = 0; k < band->objects.size(); ++k) {
            const TReportObject& object = band->objects[k];
            if (object.kind != TReportObjectKind::Memo)
                continue;
            const double top = object.rect.top() - band->top;
            double inside = top; // the top of the piece the cut goes through
            if (object.grows && !lines[k].empty()) {
                const double step = steps[k];
                const double textTop = TextTop(*band, object);
                inside = cut < textTop ? top : textTop + std::floor((cut - textTop) / step) * step;
                if (cut - textTop >= static_cast<double>(lines[k].size()) * step)
                    continue;
            } else if (cut >= top + heights[k]) {
                continue;
            }
            if (inside + kEpsilon < cut && cut < top + heights[k] - kEpsilon) {
                cut = std::max(from, inside);
                moved = true;
            }
        }
    }
    return std::max(from, cut);
}

double TLaidBand::FirstPiece() const {
    double end = 0;
    for (std::size_t k = 0; k < band->objects.size(); ++k) {
        const TReportObject& object = band->objects[k];
        if (object.kind != TReportObjectKind::Memo)
            continue;
        const double top = object.rect.top() - band->top;
        end = std::max(end, object.grows && !lines[k].empty() ? TextTop(*band, object) + steps[k]
                                                              : top + heights[k]);
    }
    return std::min(end, height);
}

void PaintBand(QPainter& painter, const TLaidBand& laid, const TReportMetrics& metrics, double y,
               double from, double to, double pageWidth) {
    const TReportBand& band = *laid.band;
    painter.save();
    painter.setClipRect(QRectF(0, y, pageWidth, to - from), Qt::IntersectClip);
    painter.translate(0, y - from);
    for (std::size_t k = 0; k < band.objects.size(); ++k) {
        const TReportObject& object = band.objects[k];
        const double top = object.rect.top() - band.top;
        if (object.kind == TReportObjectKind::Line) {
            if (top < from || top >= to)
                continue;
            QPen pen(object.lineColor, 1);
            pen.setCosmetic(false);
            pen.setStyle(object.dotted ? Qt::DotLine : Qt::SolidLine);
            painter.setPen(pen);
            painter.drawLine(QPointF(object.rect.left(), top + 0.5),
                             QPointF(object.rect.right(), top + 0.5));
            continue;
        }
        const auto& lines = laid.lines[k];
        if (lines.empty() || top >= to || top + laid.heights[k] <= from)
            continue;
        const double step = laid.steps[k];
        const QRectF box(object.rect.left(), top, object.rect.width(), laid.heights[k]);
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        painter.setFont(metrics.PaintFont(object.font, painter));
        painter.setPen(object.font.color);
        const double textTop = top + kPadY;
        const auto first =
            static_cast<std::size_t>(std::max(0.0, std::floor((from - textTop) / step)));
        for (std::size_t i = first; i < lines.size(); ++i) {
            const double lineTop = textTop + static_cast<double>(i) * step;
            if (lineTop >= to)
                break;
            const QRectF place(box.left() + kPadX, lineTop, box.width() - 2 * kPadX, step);
            painter.drawText(place, static_cast<int>(object.alignment | Qt::AlignTop),
                             laid.texts[k].mid(lines[i].start, lines[i].length));
        }
        painter.restore();
    }
    painter.restore();
}

} // namespace lexorin
