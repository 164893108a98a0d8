#pragma once
// The "Daten" page of the recorder: the display options, the data table `Verbrauchstabelle` on tab
// "ALLE", and the table commands of the "Daten" menu. More grids (one per export format) are added
// as further tabs of `PageControlDaten`.

#include "core/wmbus/table/ResultTable.h"

#include <QWidget>

#include <memory>

class QAction;
class QLabel;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace Ui {
class DatenPage;
}

namespace kvq {

class ResultTableModel;
class UserInteraction;

class DatenPage : public QWidget {
    Q_OBJECT
public:
    // The table must outlive the page.
    DatenPage(wmbus::ResultTable& table, UserInteraction& ui, QWidget* parent = nullptr);
    ~DatenPage() override;

    wmbus::DisplayOption displayOption() const;
    void setDisplayOption(wmbus::DisplayOption option);
    ResultTableModel* model() const { return model_; }
    QTabWidget* tabs() const { return PageControlDaten; }

    // Folder and filter of the save dialog.
    static QString csvFolder();
    static QString csvFilter();

    // "Speicher Daten als csv": true when the file was written.
    bool SpeicherDatenAlsCsvClick();
    // "leere Tabelle"
    void LeereTabelleClick();

    QRadioButton* sRBLiveData;
    QRadioButton* sRBLiveDataNew;
    QRadioButton* sRBEinmalData;
    QRadioButton* sRBAusData;
    QLabel* LabelAnzahlZeilen;
    QTabWidget* PageControlDaten;
    QTableView* Verbrauchstabelle;
    QAction* SpeicherDatenAlsCsv;
    QAction* LeereTabelle;

Q_SIGNALS:
    void displayOptionChanged(wmbus::DisplayOption option);

private:
    void showRowCount();

    std::unique_ptr<Ui::DatenPage> ui_;
    wmbus::ResultTable& table_;
    UserInteraction& user_;
    ResultTableModel* model_;
};

} // namespace kvq
