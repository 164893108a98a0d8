#pragma once
// The page "Export-Formatierung": the list of formats, the column and filter editor, the wizard that
// builds columns from a received telegram, and the preview of the headings.

#include "core/export/ExportFormat.h"
#include "core/export/ExportSample.h"
#include "core/wmbus/table/StoredResult.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTableWidget;

namespace Ui {
class ExportPage;
}

namespace kvq {

class Clock;
class UserInteraction;

class ExportPage final : public QWidget {
    Q_OBJECT
public:
    ExportPage(UserInteraction& ui, const Clock& clock, QWidget* parent = nullptr);
    ~ExportPage() override;

    // Reads the format file into the list (window creation, after saving or deleting).
    void loadFormats();
    QString filePath() const { return path_; }
    void setFilePath(const QString& path) { path_ = path; }

    // A received telegram and its row number, as a new format starts from it.
    struct Sample {
        int row = 1;
        wmbus::StoredResult telegram;
    };
    // "neues Export-Format" / "Erstelle Exportformat": a new format from a received telegram.
    void newFormatFromTelegram(const Sample& sample);
    // The telegram those commands start from: the one selected in the data table, else the last one
    // received; none before the first.
    void setTelegramSource(std::function<std::optional<Sample>()> source) { source_ = std::move(source); }
    void NeuesExportFormatClick();
    QAction* newFormatAction() const { return NeuesExportFormat; }

    // Shown after a change that is not saved yet.
    bool hasUnsavedChange() const;
    // Closing: offers to save a changed format; false keeps the window open when saving failed.
    bool queryClose();

    // Handlers.
    void ListBoxExportFormateClick();
    void ButtonEditClick();
    void ButtonDelClick();
    bool ButtonSaveClick();
    void SButtonWizardClick();

    QListWidget* ListBoxExportFormate;
    QLineEdit* EditNewFormatName;
    QCheckBox* CheckBoxEditMode;
    QPushButton* ButtonEdit;
    QPushButton* ButtonDel;
    QPushButton* ButtonSave;
    QPushButton* SButtonWizard;
    QPushButton* ButtonNeuesExportFormat;
    QGroupBox* GroupBoxFilter;
    QLineEdit* MaskEditRFIDMin;
    QLineEdit* MaskEditRFIDMax;
    QLineEdit* MaskEditMC;
    QLineEdit* MaskEditMedium;
    QLineEdit* MaskEditLaenge;
    QTableWidget* StringGridSampleData;
    QTableWidget* StringGridSpalten;
    QTableWidget* StringGridVorschau;
    QLabel* ImageSave;
    QAction* NeuesExportFormat;

Q_SIGNALS:
    // The file changed (saved or deleted format).
    void formatsChanged();

private:
    void buildControls();
    void showFormat(const exporting::ExportFormat& format);
    void setColumns(const std::vector<exporting::ExportColumn>& columns);
    std::vector<exporting::ExportColumn> editedColumns() const;
    exporting::ExportFilter editedFilter() const;
    void setFilter(const exporting::ExportFilter& filter);
    void setEditable(bool on);
    void markChanged();
    void updatePreview();
    void itemTicked(QListWidgetItem* item);

    std::unique_ptr<Ui::ExportPage> form_;
    UserInteraction& ui_;
    const Clock& clock_;
    QString path_;
    QString shownName_; // the list's name of the format in the editor, empty for a new one
    bool loading_ = false;
    std::function<std::optional<Sample>()> source_;
};

} // namespace kvq
