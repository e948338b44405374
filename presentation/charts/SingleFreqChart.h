// The dispersion chart: one horizontal arrow per occurrence of an item,
// placed at its position in the text and labelled with it.
#pragma once

#include "ChartFrame.h"

class QPlainTextEdit;

namespace lexorin {

class TArrowSeries;
class TChartMarks;

class TSingleFreqFrame : public TDiagramFrame {
    Q_OBJECT
public:
    explicit TSingleFreqFrame(QWidget* parent = nullptr);

    void AddPosition(int position);
    // The vertical range: `minimum` at the bottom, `maximum` at the top, with
    // a small margin beyond each.
    void SetTextRange(double minimum, double maximum);
    // The charted item; `tall` gives it two lines.
    void SetItem(const QString& text, bool tall);

    TArrowSeries* Series2() const { return series2_; }
    TChartMarks* Marks() const { return marks_; }
    QPlainTextEdit* mText() const { return mText_; }

protected:
    QString ItemText() const override;

private:
    QPlainTextEdit* mText_;
    TArrowSeries* series2_;
    TChartMarks* marks_;
};

} // namespace lexorin
