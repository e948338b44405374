// The Settings sub-tab of the Options page: one control per option, named
// after its member of TAnalysisOptions, in the groups the page shows.
#pragma once

#include "AnalysisOptions.h"

#include <QWidget>
#include <functional>
#include <vector>

class QAction;
class QLineEdit;

namespace lexorin {

class TOptionsPage : public QWidget {
    Q_OBJECT
public:
    // The two buttons at the foot carry the save and restore commands.
    TOptionsPage(QAction* saveOptions, QAction* restoreDefaults, QWidget* parent = nullptr);

    TAnalysisOptions Options() const;
    void SetOptions(const TAnalysisOptions& options);
    // The defaults, except for the options that keep their state.
    void RestoreDefaults();
    // Why the CSV export cannot use the CSV options as they stand; empty
    // when it can.
    QString CsvProblem() const;
    // An option whose control lives on another page (a search box, the
    // KWIC tab's sort keys): read and written with the others, set to its
    // default now.
    void AddControl(std::function<void(TAnalysisOptions&)> read,
                    std::function<void(const TAnalysisOptions&)> write);

signals:
    // One of the "ignored words" links was clicked.
    void IgnoredWordsLinkActivated();

private:
    // A CSV field whose new text the export could not use goes back to its
    // last usable one, with a message that says why.
    void CheckCsvField(QLineEdit* edit);

    // How each control reads into and writes from the options.
    std::vector<std::function<void(TAnalysisOptions&)>> readers_;
    std::vector<std::function<void(const TAnalysisOptions&)>> writers_;
};

} // namespace lexorin
