#include "ui/wmbus/route/RouteDetailPages.h"

#include "core/app/UserInteraction.h"
#include "core/wmbus/MediumTable.h"
#include "core/wmbus/crypto/KeyText.h"
#include "core/wmbus/route/RouteFile.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvq {

using wmbus::RouteNodeId;
using wmbus::RouteNodeKind;

namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

QPushButton* saveButton(QWidget* parent, const char* name) {
    auto* b = new QPushButton(RouteDetailPages::tr("Save"), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

// A form row whose caption names the first field; further fields on the row get their own name.
void addRow(QFormLayout* form, const QString& caption, QWidget* field, QWidget* second = nullptr,
            const QString& secondName = {}) {
    auto* label = new QLabel(caption, form->parentWidget());
    label->setBuddy(field);
    const QString plain = QString(caption).remove(u'&');
    if (!second) {
        field->setAccessibleName(plain);
        form->addRow(label, field);
        return;
    }
    field->setAccessibleName(plain.section(QStringLiteral(" / "), 0, 0));
    second->setAccessibleName(secondName);
    auto* row = new QHBoxLayout;
    row->addWidget(field, 3);
    row->addWidget(second, 1);
    form->addRow(label, row);
}

QWidget* page(QWidget* parent, const char* name, QFormLayout*& form, QPushButton* save) {
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(w);
    form = new QFormLayout;
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    save->setParent(w);
    buttons->addWidget(save);
    layout->addLayout(buttons);
    layout->addStretch(1);
    return w;
}

QString receiveStateText(const wmbus::RouteDevice& d) {
    switch (d.state) {
    case wmbus::ReceiveState::NotReceived:
        return RouteDetailPages::tr("nicht empfangen");
    case wmbus::ReceiveState::Received:
    case wmbus::ReceiveState::ReceivedEncrypted: {
        QString text = d.state == wmbus::ReceiveState::Received
                           ? RouteDetailPages::tr("empfangen")
                           : RouteDetailPages::tr("empfangen, verschlüsselt");
        if (d.last.receiveTime.isValid())
            text += QLatin1Char(' ') + d.last.receiveTime.toString(wmbus::kRouteCreateFormat);
        return text;
    }
    }
    return {};
}

// Key text for the edit: pairs with blanks, as keys are shown everywhere.
QString keyForEdit(const QString& key) {
    QString compact = key;
    compact.remove(u' ');
    QString out;
    for (qsizetype i = 0; i < compact.size(); i += 2) {
        if (!out.isEmpty())
            out += u' ';
        out += compact.mid(i, 2);
    }
    return out;
}

} // namespace

RouteDetailPages::RouteDetailPages(wmbus::Route& route, UserInteraction& ui, QWidget* parent)
    : QTabWidget(parent), route_(route), ui_(ui) {
    setObjectName(QStringLiteral("PageControlRouteDaten"));
    addTab(buildRoutePage(), tr("Route"));
    addTab(buildHausPage(), tr("Haus Daten"));
    addTab(buildEtagePage(), tr("Etage"));
    addTab(buildGeraetPage(), tr("Geräte Daten"));
    showNode(route_.root());
}

QWidget* RouteDetailPages::buildRoutePage() {
    ButtonSaveRoute = saveButton(this, "ButtonSaveRoute");
    QFormLayout* form = nullptr;
    QWidget* w = page(this, "TabSheetRoute", form, ButtonSaveRoute);
    EditRouteName = lineEdit(w, "EditRouteName");
    EditRouteBemerkung = lineEdit(w, "EditRouteBemerkung");
    LabelRouteCreate = new QLabel(w);
    LabelRouteCreate->setObjectName(QStringLiteral("LabelRouteCreate"));
    LabelRouteCreate->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    addRow(form, tr("&Name"), EditRouteName);
    addRow(form, tr("&Bemerkung"), EditRouteBemerkung);
    addRow(form, tr("Erstellt"), LabelRouteCreate);
    connect(ButtonSaveRoute, &QPushButton::clicked, this, &RouteDetailPages::ButtonSaveRouteClick);
    return w;
}

QWidget* RouteDetailPages::buildHausPage() {
    ButtonSaveHaus = saveButton(this, "ButtonSaveHaus");
    QFormLayout* form = nullptr;
    QWidget* w = page(this, "TabSheetHaus", form, ButtonSaveHaus);
    EditHausName = lineEdit(w, "EditHausName");
    EditHausStrasse = lineEdit(w, "EditHausStrasse");
    EditHausNr = lineEdit(w, "EditHausNr");
    EditHausOrt = lineEdit(w, "EditHausOrt");
    EditHausPLZ = lineEdit(w, "EditHausPLZ");
    EditHausBemerkung = lineEdit(w, "EditHausBemerkung");
    addRow(form, tr("&Objektname"), EditHausName);
    addRow(form, tr("S&traße / Hausnummer"), EditHausStrasse, EditHausNr, tr("Hausnummer"));
    addRow(form, tr("St&adt / PLZ"), EditHausOrt, EditHausPLZ, tr("PLZ"));
    addRow(form, tr("Bes&chreibung"), EditHausBemerkung);
    connect(ButtonSaveHaus, &QPushButton::clicked, this, &RouteDetailPages::ButtonSaveHausClick);
    return w;
}

QWidget* RouteDetailPages::buildEtagePage() {
    ButtonSaveEtage = saveButton(this, "ButtonSaveEtage");
    QFormLayout* form = nullptr;
    QWidget* w = page(this, "TabSheetEtage", form, ButtonSaveEtage);
    EditEtageName = lineEdit(w, "EditEtageName");
    EditEtageBemerkung = lineEdit(w, "EditEtageBemerkung");
    addRow(form, tr("&Name"), EditEtageName);
    addRow(form, tr("&Bemerkung"), EditEtageBemerkung);
    connect(ButtonSaveEtage, &QPushButton::clicked, this, &RouteDetailPages::ButtonSaveEtageClick);
    return w;
}

QWidget* RouteDetailPages::buildGeraetPage() {
    ButtonSaveGeraet = saveButton(this, "ButtonSaveGeraet");
    QFormLayout* form = nullptr;
    QWidget* w = page(this, "TabSheetGeraet", form, ButtonSaveGeraet);
    EditGeraetFunkID = lineEdit(w, "EditGeraetFunkID");
    EditGeraetFunkID->setMaxLength(8);
    EditGeraetFunkID->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}")), EditGeraetFunkID));
    EditGeraetManCode = lineEdit(w, "EditGeraetManCode");
    EditGeraetManCode->setMaxLength(3);
    EditGeraetManCode->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z]{0,3}")), EditGeraetManCode));
    EditGeraetMedium = lineEdit(w, "EditGeraetMedium");
    EditGeraetMedium->setValidator(new QIntValidator(0, 255, EditGeraetMedium));
    LabelGeraetMediumText = new QLabel(w);
    LabelGeraetMediumText->setObjectName(QStringLiteral("LabelGeraetMediumText"));
    EditGeraetAESKey = lineEdit(w, "EditGeraetAESKey");
    EditGeraetAESKey->setMaxLength(47); // 16 pairs and their blanks
    EditGeraetText = lineEdit(w, "EditGeraetText");
    LabelGeraetRSSI = new QLabel(w);
    LabelGeraetRSSI->setObjectName(QStringLiteral("LabelGeraetRSSI"));
    LabelGeraetEmpfang = new QLabel(w);
    LabelGeraetEmpfang->setObjectName(QStringLiteral("LabelGeraetEmpfang"));
    const auto infoLabel = [w](const char* name) {
        auto* l = new QLabel(w);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        return l;
    };
    LabelGeraetZugriff = infoLabel("LabelGeraetZugriff");
    LabelGeraetAES = infoLabel("LabelGeraetAES");
    TableGeraetWerte = new QTableWidget(0, 2, w);
    TableGeraetWerte->setObjectName(QStringLiteral("TableGeraetWerte"));
    TableGeraetWerte->setHorizontalHeaderLabels({tr("Wert"), tr("Einheit")});
    TableGeraetWerte->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    TableGeraetWerte->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    TableGeraetWerte->verticalHeader()->hide();
    TableGeraetWerte->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableGeraetWerte->setAccessibleName(tr("Werte"));
    addRow(form, tr("&Funk ID"), EditGeraetFunkID);
    addRow(form, tr("F&LAG ID"), EditGeraetManCode);
    auto* medium = new QHBoxLayout;
    medium->addWidget(EditGeraetMedium, 1);
    medium->addWidget(LabelGeraetMediumText, 3);
    auto* mediumLabel = new QLabel(tr("&MEDIUM"), w);
    mediumLabel->setBuddy(EditGeraetMedium);
    EditGeraetMedium->setAccessibleName(tr("MEDIUM"));
    form->addRow(mediumLabel, medium);
    addRow(form, tr("&AES-KEY"), EditGeraetAESKey);
    addRow(form, tr("Bemerkung zur &Geräteposition im Objekt"), EditGeraetText);
    addRow(form, tr("RSSI"), LabelGeraetRSSI);
    addRow(form, tr("Empfang"), LabelGeraetEmpfang);
    addRow(form, tr("Zugriffsnummer"), LabelGeraetZugriff);
    addRow(form, tr("AES"), LabelGeraetAES);
    form->addRow(TableGeraetWerte);
    connect(EditGeraetMedium, &QLineEdit::textChanged, this, &RouteDetailPages::showMediumText);
    connect(ButtonSaveGeraet, &QPushButton::clicked, this, &RouteDetailPages::ButtonSaveGeraetClick);
    return w;
}

void RouteDetailPages::showPage(Page p) {
    for (int i = 0; i < count(); ++i)
        setTabEnabled(i, i == p);
    setCurrentIndex(p);
}

void RouteDetailPages::showNode(RouteNodeId node) {
    if (!route_.contains(node))
        node = route_.root();
    shown_ = node;
    switch (*route_.kind(node)) {
    case RouteNodeKind::Route: {
        const wmbus::RouteRecord& r = route_.routeRecord();
        EditRouteName->setText(r.name);
        EditRouteBemerkung->setText(r.remark);
        LabelRouteCreate->setText(r.created.isValid() ? r.created.toString(wmbus::kRouteCreateFormat)
                                                      : QString());
        showPage(RoutePageIndex);
        break;
    }
    case RouteNodeKind::Building: {
        const wmbus::BuildingRecord& b = *route_.building(node);
        EditHausName->setText(b.name);
        EditHausStrasse->setText(b.street);
        EditHausNr->setText(b.houseNumber);
        EditHausOrt->setText(b.town);
        EditHausPLZ->setText(b.postCode);
        EditHausBemerkung->setText(b.remark);
        showPage(HausPageIndex);
        break;
    }
    case RouteNodeKind::Floor: {
        const wmbus::FloorRecord& f = *route_.floor(node);
        EditEtageName->setText(f.name);
        EditEtageBemerkung->setText(f.remark);
        showPage(EtagePageIndex);
        break;
    }
    case RouteNodeKind::Device: {
        const wmbus::RouteDevice& d = *route_.device(node);
        EditGeraetFunkID->setText(wmbus::radioIdText(d.radioId));
        EditGeraetManCode->setText(d.manufacturer);
        EditGeraetMedium->setText(d.medium);
        EditGeraetAESKey->setText(keyForEdit(d.keyText));
        EditGeraetText->setText(d.positionText);
        refreshReceiveInfo();
        showPage(GeraetPageIndex);
        break;
    }
    }
}

void RouteDetailPages::refreshReceiveInfo() {
    const wmbus::RouteDevice* d = route_.device(shown_);
    if (!d)
        return;
    LabelGeraetEmpfang->setText(receiveStateText(*d));
    const bool heard = d->state != wmbus::ReceiveState::NotReceived;
    const wmbus::LastTelegram& t = d->last;
    LabelGeraetRSSI->setText(d->rssi);
    LabelGeraetZugriff->setText(heard ? t.accessNumber : QString());
    QString aes;
    if (heard && t.encrypted == QLatin1String("yes"))
        aes = t.decrypted == QLatin1String("yes") ? tr("verschlüsselt, entschlüsselt")
                                                  : tr("verschlüsselt, nicht entschlüsselt");
    else if (heard)
        aes = tr("unverschlüsselt");
    LabelGeraetAES->setText(aes);
    int rows = 0;
    if (heard)
        for (const wmbus::ValueUnit& p : t.values)
            if (!p.value.isEmpty() || !p.unit.isEmpty())
                ++rows;
    TableGeraetWerte->setRowCount(rows);
    int r = 0;
    for (const wmbus::ValueUnit& p : t.values) {
        if (r == rows)
            break;
        if (p.value.isEmpty() && p.unit.isEmpty())
            continue;
        TableGeraetWerte->setItem(r, 0, new QTableWidgetItem(p.value));
        TableGeraetWerte->setItem(r, 1, new QTableWidgetItem(p.unit));
        ++r;
    }
}

void RouteDetailPages::showMediumText() {
    bool ok = false;
    const int type = EditGeraetMedium->text().trimmed().toInt(&ok);
    const bool known = ok && type >= 0 && type <= 255;
    const std::string_view medium =
        known ? wmbus::mediumText(static_cast<std::uint8_t>(type)) : std::string_view();
    LabelGeraetMediumText->setText(QString::fromLatin1(medium)); // notr: the medium table's own names
}

void RouteDetailPages::error(const QString& text) {
    ui_.message(text, tr("FEHLER"), UserInteraction::Icon::Error);
}

void RouteDetailPages::ButtonSaveRouteClick() {
    if (route_.kind(shown_) != RouteNodeKind::Route)
        return;
    wmbus::RouteRecord r = route_.routeRecord();
    r.name = EditRouteName->text();
    r.remark = EditRouteBemerkung->text();
    route_.setRouteRecord(r);
    Q_EMIT recordSaved(shown_);
}

void RouteDetailPages::ButtonSaveHausClick() {
    const wmbus::BuildingRecord* current = route_.building(shown_);
    if (!current)
        return;
    wmbus::BuildingRecord b = *current;
    b.name = EditHausName->text();
    b.street = EditHausStrasse->text();
    b.houseNumber = EditHausNr->text();
    b.town = EditHausOrt->text();
    b.postCode = EditHausPLZ->text();
    b.remark = EditHausBemerkung->text();
    route_.setBuilding(shown_, b);
    Q_EMIT recordSaved(shown_);
}

void RouteDetailPages::ButtonSaveEtageClick() {
    const wmbus::FloorRecord* current = route_.floor(shown_);
    if (!current)
        return;
    const QString name = EditEtageName->text().trimmed();
    // Devices find their floor by name when the route is read back: two equal names would move
    // the devices of the second floor onto the first.
    for (RouteNodeId sibling : route_.children(route_.parent(shown_))) {
        if (sibling != shown_ && route_.floor(sibling)->name.trimmed() == name) {
            error(QStringLiteral("Dieses Haus hat schon eine Etage mit dem Namen \"%1\"!").arg(name));
            return;
        }
    }
    wmbus::FloorRecord f = *current;
    f.name = name;
    f.remark = EditEtageBemerkung->text();
    route_.setFloor(shown_, f);
    Q_EMIT recordSaved(shown_);
}

void RouteDetailPages::ButtonSaveGeraetClick() {
    const wmbus::RouteDevice* current = route_.device(shown_);
    if (!current)
        return;
    const auto radioId = wmbus::radioIdFromText(EditGeraetFunkID->text().toStdString());
    if (!radioId || *radioId == 0) {
        error(tr("Only numbers permissible!"));
        return;
    }
    const QString manufacturer = EditGeraetManCode->text().trimmed().toUpper();
    static const QRegularExpression threeLetters(QStringLiteral("^[A-Z]{3}$"));
    if (!threeLetters.match(manufacturer).hasMatch()) {
        error(tr("Die FLAG ID muss aus drei Buchstaben bestehen!"));
        return;
    }
    bool mediumOk = false;
    const int medium = EditGeraetMedium->text().trimmed().toInt(&mediumOk);
    if (!mediumOk || medium < 0 || medium > 255) {
        error(tr("Das MEDIUM muss eine Zahl von 0 bis 255 sein!"));
        return;
    }
    const QString key = EditGeraetAESKey->text();
    const auto fault = crypto::CheckKeyText(key.toStdString());
    if (fault != crypto::KeyTextFault::None && fault != crypto::KeyTextFault::Empty) {
        error(tr("Falsches Format des AES KEY!"));
        return;
    }
    QString compact;
    for (QChar c : key) {
        if ((c >= u'0' && c <= u'9') || (c.toUpper() >= u'A' && c.toUpper() <= u'F'))
            compact += c.toUpper();
    }
    wmbus::RouteDevice d = *current;
    d.radioId = *radioId;
    d.manufacturer = manufacturer;
    d.medium = QString::number(medium);
    d.keyText = compact;
    d.positionText = EditGeraetText->text();
    route_.setDevice(shown_, d);
    EditGeraetFunkID->setText(wmbus::radioIdText(d.radioId));
    Q_EMIT recordSaved(shown_);
}

} // namespace kvq
