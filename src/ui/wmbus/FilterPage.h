#pragma once
// The "Filter" page of the route panel: the user's manufacturer codes (`ComboBoxManCode`), each with
// a tick, kept in step with the main window's code list that the settings file stores.

#include "core/wmbus/ManufacturerLists.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
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

    // "Filter aktivieren" switched on: with a code ticked the recorder is told (it empties the
    // unregistered list); with none ticked the user is warned and the switch goes back off.
    void sSliderFilterClick(bool on);

    const wmbus::ManufacturerFilterList& filter() const { return filter_; }
    QListWidget* list() const { return ComboBoxManCode; }

Q_SIGNALS:
    // A code was added or deleted.
    void codesChanged();
    void filterActivated();
    // The page wants to be seen (its warning refers to it).
    void showRequested();

private:
    void itemChanged(QListWidgetItem* item);

    UserInteraction& ui_;
    QStringList& mainList_;
    wmbus::ManufacturerFilterList filter_;
    QListWidget* ComboBoxManCode;
    QMenu* PopupMenuManCode;

public:
    QCheckBox* sSliderFilter;
};

} // namespace kvq
