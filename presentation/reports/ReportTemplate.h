// A banded report template: bands stacked down the page, each with memo
// text boxes and horizontal lines placed in pixels at 96 per inch.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <vector>

namespace lexorin {

enum class TBandKind { ReportTitle, PageHeader, MasterData, ReportSummary };

struct TReportFont {
    double points = 10;
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
};

enum class TReportObjectKind { Memo, Line };

// One object of a band. Its rectangle is measured from the page's top left
// corner as designed; a line uses the top and the width only.
struct TReportObject {
    TReportObjectKind kind = TReportObjectKind::Memo;
    QString name;
    QRectF rect;
    QString text; // with its bracketed expressions
    TReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool wrap = false;  // the text wraps at the box width
    bool grows = false; // the box, and its band, grow to fit the text
    QColor lineColor = Qt::black;
    bool dotted = false;
};

struct TReportBand {
    TBandKind kind = TBandKind::MasterData;
    double top = 0; // as designed; printed bands are stacked instead
    double height = 0;
    bool maySplit = false; // a band too tall for the rest of a page continues on the next
    std::vector<TReportObject> objects;
};

struct TReportTemplate {
    QString name;
    std::vector<TReportBand> bands;

    // The report's title as a document name: the first text of the title
    // band without its closing colon ("Phrase frequency list").
    QString Title() const {
        const TReportBand* title = Band(TBandKind::ReportTitle);
        if (title == nullptr || title->objects.empty())
            return name;
        QString text = title->objects.front().text.trimmed();
        if (text.endsWith(QLatin1Char(':')))
            text.chop(1);
        return text.trimmed();
    }
    // The band of a kind; nullptr when the template has none.
    const TReportBand* Band(TBandKind kind) const {
        for (const TReportBand& band : bands)
            if (band.kind == kind)
                return &band;
        return nullptr;
    }
};

// Shorthands for writing templates down as tables.
enum TMemoStyle : unsigned {
    kPlain = 0,
    kBold = 1,
    kItalic = 2,
    kGrey = 4,
    kRight = 8,
    kWrap = 16,
    kGrows = 32,
};
inline const QColor kReportGrey(128, 128, 128);

inline TReportObject Memo(const char* name, double left, double top, double width, double height,
                          const QString& text, double points, unsigned style = kPlain) {
    TReportObject memo;
    memo.name = QString::fromLatin1(name);
    memo.rect = QRectF(left, top, width, height);
    memo.text = text;
    memo.font = {points, (style & kBold) != 0, (style & kItalic) != 0,
                 (style & kGrey) != 0 ? kReportGrey : QColor(Qt::black)};
    memo.alignment = (style & kRight) != 0 ? Qt::AlignRight : Qt::AlignLeft;
    memo.wrap = (style & kWrap) != 0;
    memo.grows = (style & kGrows) != 0;
    return memo;
}

inline TReportObject Line(const char* name, double left, double top, double width,
                          const QColor& color = Qt::black, bool dotted = false) {
    TReportObject line;
    line.kind = TReportObjectKind::Line;
    line.name = QString::fromLatin1(name);
    line.rect = QRectF(left, top, width, 0);
    line.lineColor = color;
    line.dotted = dotted;
    return line;
}

} // namespace lexorin
