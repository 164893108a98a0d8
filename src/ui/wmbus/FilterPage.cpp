#include "ui/wmbus/FilterPage.h"

#include "core/app/UserInteraction.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

namespace kvq {

FilterPage::FilterPage(UserInteraction& ui, QStringList& mainList, QWidget* parent)
    : QWidget(parent), ui_(ui), mainList_(mainList), filter_(mainList) {
    auto* layout = new QVBoxLayout(this);
    sSliderFilter = new QCheckBox(tr("Filter aktivieren"), this);
    sSliderFilter->setObjectName(QStringLiteral("sSliderFilter"));
    connect(sSliderFilter, &QCheckBox::toggled, this, &FilterPage::sSliderFilterClick);
    layout->addWidget(sSliderFilter);
    auto* caption = new QLabel(tr("Hersteller-Filter (FLAG-ID):"), this);
    ComboBoxManCode = new QListWidget(this);
    ComboBoxManCode->setObjectName(QStringLiteral("ComboBoxManCode"));
    ComboBoxManCode->setAccessibleName(caption->text());
    caption->setBuddy(ComboBoxManCode);
    layout->addWidget(caption);
    layout->addWidget(ComboBoxManCode, 1);

    for (int i = 0; i < filter_.size(); ++i) {
        auto* item = new QListWidgetItem(filter_.codeAt(i), ComboBoxManCode);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(ComboBoxManCode, &QListWidget::itemChanged, this, &FilterPage::itemChanged);

    PopupMenuManCode = new QMenu(this);
    PopupMenuManCode->setObjectName(QStringLiteral("PopupMenuManCode"));
    QAction* add = PopupMenuManCode->addAction(tr("NEW FlagID"));
    add->setObjectName(QStringLiteral("NEWFlagID"));
    add->setShortcut(QKeySequence(Qt::Key_Insert));
    add->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(add, &QAction::triggered, this, &FilterPage::NewFlagIDClick);
    QAction* del = PopupMenuManCode->addAction(tr("Delete FlagID"));
    del->setObjectName(QStringLiteral("DeleteFlagID"));
    del->setShortcut(QKeySequence(Qt::Key_Delete));
    del->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(del, &QAction::triggered, this, &FilterPage::DeleteFlagIDClick);
    // The keys work without opening the menu.
    ComboBoxManCode->addAction(add);
    ComboBoxManCode->addAction(del);
    ComboBoxManCode->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ComboBoxManCode, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenuManCode->popup(ComboBoxManCode->viewport()->mapToGlobal(pos));
    });
}

void FilterPage::NewFlagIDClick() {
    const auto text = ui_.inputText(tr("Flag ID"), tr("Input 3 Character:"));
    if (!text)
        return;
    const auto code = filter_.add(*text);
    if (!code)
        return;
    mainList_.append(*code);
    const QSignalBlocker block(ComboBoxManCode);
    auto* item = new QListWidgetItem(*code, ComboBoxManCode);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    Q_EMIT codesChanged();
}

void FilterPage::DeleteFlagIDClick() {
    const int row = ComboBoxManCode->currentRow();
    if (row < 0 || row >= filter_.size())
        return;
    const QString code = filter_.codeAt(row);
    filter_.removeAt(row);
    // The main list may hold the code more than once: remove the entry at the same place when it
    // matches, else the first equal one.
    if (row < mainList_.size() && mainList_[row] == code)
        mainList_.removeAt(row);
    else
        mainList_.removeOne(code);
    const QSignalBlocker block(ComboBoxManCode);
    delete ComboBoxManCode->takeItem(row);
    Q_EMIT codesChanged();
}

void FilterPage::sSliderFilterClick(bool on) {
    if (!on)
        return;
    if (filter_.anyChecked()) {
        Q_EMIT filterActivated();
        return;
    }
    Q_EMIT showRequested();
    ui_.question(tr("Bitte erst Hersteller zum Filtern eintragen und auswählen!"), tr("WARNUNG"));
    const QSignalBlocker block(sSliderFilter);
    sSliderFilter->setChecked(false);
}

void FilterPage::itemChanged(QListWidgetItem* item) {
    const int row = ComboBoxManCode->row(item);
    filter_.setChecked(row, item->checkState() == Qt::Checked);
}

} // namespace kvq
