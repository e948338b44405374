// The window's state in the settings file: options, layout and start-up
// choices, read at creation and written when the user asks, when the window
// closes and when it is destroyed.
#include "ExceptionDlg.h"
#include "FormStorage.h"
#include "IgnoredWordsPage.h"
#include "MainWindow.h"
#include "OptionKeys.h"
#include "OptionsPage.h"
#include "ProgramFiles.h"
#include "ResultGrid.h"
#include "UserDialogs.h"
#include "WelcomePanel.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QSplitter>
#include <QToolButton>
#include <stdexcept>

namespace lexorin {
namespace {

constexpr const char* kLayout = "Layout";
constexpr const char* kStartup = "Startup";

} // namespace

std::array<TResultGrid*, 3> TfmLexorin::StoredGrids() const {
    return {dbgRes_, dbgConcordanceTop_, dbgWordforms_};
}

void TfmLexorin::RestoreSettings() {
    TIniFile file;
    const bool read = file.Load(SettingsFilePath().toStdString());

    if (TFormStorage options(file, kOptionsSection); options.Applies()) {
        TAnalysisOptions values = optionsPage_->Options();
        ReadStoredOptions(file, values);
        optionsPage_->SetOptions(values);
    }

    if (TFormStorage layout(file, kLayout); layout.Applies()) {
        layout.RestoreWindow(*this);
        TAnalysisOptions values = optionsPage_->Options();
        layout.ReadCheck("cbLayout_Checked", values.cbLayout);
        optionsPage_->SetOptions(values);
        QList<int> panes = spMain_->sizes();
        layout.ReadInteger("pnSearch_Width", panes[0]);
        // A width that is no integer reads as 0: the pane keeps its minimum.
        panes[0] = std::max(panes[0], pnSearch_->minimumWidth());
        spMain_->setSizes(panes);
        layout.ReadText("odFile_InitialDir", openDialogDirectory_);
        if (layout.Has("dbgConcordanceDetail_Height")) {
            detailHeight_ = 0;
            layout.ReadInteger("dbgConcordanceDetail_Height", detailHeight_);
            detailPending_ = true;
        }
        bool wrap = actions_.tbWordWrap->isChecked();
        layout.ReadCheck("tbWordWrap_Down", wrap);
        actions_.tbWordWrap->setChecked(wrap);
        // The column widths, as fsLayoutRestorePlacement sets them.
        if (values.cbLayout)
            for (TResultGrid* grid : StoredGrids())
                RestoreColumns(file, *grid);
    }

    rememberedListName_ = QStringLiteral("lexorin");
    if (TFormStorage startup(file, kStartup); startup.Applies()) {
        bool dontShow = pnWelcome_->DontShowGuide()->isChecked();
        startup.ReadCheck("cbDontShowGuide_Checked", dontShow);
        pnWelcome_->DontShowGuide()->setChecked(dontShow);
        startup.ReadText("lbWordListName_Caption", rememberedListName_);
        startup.ReadText("miEncoding_Caption", encoding_);
    }

    if (!read)
        UserDialogs().Warn(
            this,
            QStringLiteral("Unable to load saved options. Some options may fall back to default."));
}

void TfmLexorin::ChangeSettings(const std::function<void(TIniFile&)>& change) {
    const std::string path = SettingsFilePath().toStdString();
    const auto fail = [&path] { return std::runtime_error("Unable to write to " + path); };
    TIniFile file;
    // A file that cannot be read is not written over: what it holds stays.
    if (!file.Load(path))
        throw fail();
    change(file);
    if (!file.Save(path))
        throw fail();
}

void TfmLexorin::SaveSection(TSettingsSection section) {
    const char* const names[] = {kOptionsSection, kLayout, kStartup};
    ChangeSettings([this, section, &names](TIniFile& file) {
        TFormStorage storage(file, names[static_cast<int>(section)]);
        storage.WriteWindow(*this);
        switch (section) {
        case TSettingsSection::Options:
            WriteStoredOptions(file, optionsPage_->Options());
            break;
        case TSettingsSection::Layout: {
            storage.WriteCheck("cbLayout_Checked", optionsPage_->Options().cbLayout);
            storage.WriteInteger("pnSearch_Width", spMain_->sizes().value(0));
            storage.WriteText("odFile_InitialDir", openDialogDirectory_);
            // Before the page was first shown the list has no height of its own.
            const int detail =
                detailHeight_ >= 0 ? detailHeight_ : rxsConcordance_->sizes().value(1);
            if (detail > 0)
                storage.WriteInteger("dbgConcordanceDetail_Height", detail);
            storage.WriteCheck("tbWordWrap_Down", actions_.tbWordWrap->isChecked());
            // fsLayoutSavePlacement: the column layouts with the layout.
            if (optionsPage_->Options().cbLayout)
                for (const TResultGrid* grid : StoredGrids())
                    WriteColumns(file, *grid);
            break;
        }
        case TSettingsSection::Startup:
            storage.WriteCheck("cbDontShowGuide_Checked", pnWelcome_->DontShowGuide()->isChecked());
            storage.WriteText("lbWordListName_Caption", ignoredWordsPage_->ListName());
            storage.WriteText("miEncoding_Caption", encoding_);
            break;
        }
    });
}

void TfmLexorin::SaveSectionReporting(TSettingsSection section) {
    try {
        SaveSection(section);
    } catch (const std::exception& error) {
        ReportException(error);
    }
}

void TfmLexorin::aSaveOptsExecute() {
    // A CSV field may still be in the middle of an edit that it refuses.
    if (const QString problem = optionsPage_->CsvProblem(); !problem.isEmpty()) {
        UserDialogs().Warn(this, problem);
        return;
    }
    if (UserDialogs().Confirm(this, QStringLiteral("Save current options ?")))
        SaveSection(TSettingsSection::Options);
}

void TfmLexorin::aRestoreDefaulfExecute() {
    if (!UserDialogs().Confirm(this, QStringLiteral("Restore default options ?")))
        return;
    ChangeSettings([](TIniFile& file) { file.EraseSection(kOptionsSection); });
    optionsPage_->RestoreDefaults();
}

void TfmLexorin::cbLayoutClick(bool checked) {
    if (checked)
        return;
    ChangeSettings([this](TIniFile& file) {
        file.EraseSection(kLayout);
        for (const TResultGrid* grid : StoredGrids())
            EraseColumns(file, *grid);
    });
}

void TfmLexorin::SaveOnDestruction() {
    if (!startupSaved_)
        SaveSectionReporting(TSettingsSection::Startup);
    if (optionsPage_->Options().cbLayout) {
        // The open dialog starts next time where a text was last chosen in
        // it this run; with none chosen, in its default place.
        openDialogDirectory_ =
            chosenTextFile_.isEmpty() ? QString() : QFileInfo(chosenTextFile_).absolutePath();
        SaveSectionReporting(TSettingsSection::Layout);
    }
}

} // namespace lexorin
