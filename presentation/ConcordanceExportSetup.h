// The choice between the two layouts of a concordance export.
#pragma once

#include <QDialog>

class QRadioButton;

namespace lexorin {

class TfmConcordanceExportSetup : public QDialog {
public:
    explicit TfmConcordanceExportSetup(QWidget* parent = nullptr);

    bool Professional() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QRadioButton* rbBasic_;
    QRadioButton* rbProfessional_;
};

// Asks for the layout: 0 when the dialog is closed other than with OK, 1 for
// the basic layout, 2 for the professional one. Each call opens a new
// dialog with the basic layout chosen.
int ExecuteConcordanceExportSetup(QWidget* parent);

} // namespace lexorin
