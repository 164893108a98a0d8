#pragma once
// The export formats at run time: every telegram of a route device is offered to them, a format that
// takes one gets its own tab on the "Daten" page, and all tables can be written as CSV files.

#include "core/export/ExportFormatListe.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

class QAction;
class QTabWidget;
class QTableView;

namespace kvq {

class Clock;
class ResultTableModel;
class UserInteraction;

class ExportDataTabs final : public QObject {
    Q_OBJECT
public:
    ExportDataTabs(QTabWidget& dataTabs, UserInteraction& ui, const Clock& clock, QObject* parent = nullptr);
    ~ExportDataTabs() override;

    // Reads the format file again; formats that stay keep their tables.
    void reload(const QString& path);
    exporting::ExportFormatListe& formats() { return formats_; }

    // A decoded telegram of a route device.
    void offer(const wmbus::TelegramResult& telegram);
    // "Exportiere Daten als formatierte Daten in csv": every format's table into the export folder.
    void exportAll(const QString& folder);

    QTableView* viewOf(const QString& formatName) const;
    ResultTableModel* modelOf(const QString& formatName) const;
    QAction* exportAllAction() const { return exportAll_; }
    void setExportFolderSource(std::function<QString()> source) { folder_ = std::move(source); }

private:
    struct Tab {
        QPointer<QWidget> page; // gone already when the window's tab widget went first
        QTableView* view = nullptr;
        ResultTableModel* model = nullptr;
    };
    void ensureTab(int format);
    void dropTabs();
    void saveTable(const exporting::ExportSheet& sheet, const QString& name);

    QPointer<QTabWidget> dataTabs_;
    UserInteraction& ui_;
    const Clock& clock_;
    exporting::ExportFormatListe formats_;
    std::map<const exporting::ExportSheet*, Tab> tabs_;
    QAction* exportAll_;
    std::function<QString()> folder_;
};

} // namespace kvq
