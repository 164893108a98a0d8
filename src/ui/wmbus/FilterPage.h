#pragma once
// The "Filter" page of the route panel: the user's manufacturer codes (`ComboBoxManCode`), each with
// a tick, kept in step with the main window's code list that the settings file stores.

#include "core/wmbus/ManufacturerLists.h"

#include <QStringList>
#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QMenu;

namespace kvq {

class UserInteraction;

class FilterPage : public QWidget {
    Q_OBJECT
public:
    // mainList: the main window's list; it takes every change made here.
    FilterPage(UserInteraction& ui, QStringList& mainList, QWidget* parent = nullptr);

    // "NEW FlagID": asks for a code; exactly three characters are added in upper case.
    void NewFlagIDClick();
    // "Delete FlagID": removes the selected code from both lists.
    void DeleteFlagIDClick();

    const wmbus::ManufacturerFilterList& filter() const { return filter_; }
    QListWidget* list() const { return ComboBoxManCode; }

Q_SIGNALS:
    // A code was added or deleted.
    void codesChanged();

private:
    void itemChanged(QListWidgetItem* item);

    UserInteraction& ui_;
    QStringList& mainList_;
    wmbus::ManufacturerFilterList filter_;
    QListWidget* ComboBoxManCode;
    QMenu* PopupMenuManCode;
};

} // namespace kvq
