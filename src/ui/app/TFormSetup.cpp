#include "ui/app/TFormSetup.h"

#include "ui_TFormSetup.h"

#include "core/app/DataRoot.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidgetItem>
#include <QSignalBlocker>
#include <algorithm>

// The receiver pictures live in the library's resources, which a static library must register.
static void initSetupResources() {
    Q_INIT_RESOURCE(setup);
}

namespace kvq {

namespace {

enum ModeItem { TCMode = 0, SMode = 1, CMode = 2 };

// The chosen route file under its own extension: "haus.txt" becomes "haus.ROUTE" in the same folder.
QString withRouteExtension(const QString& path) {
    const QFileInfo info(path);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    return QDir(info.path()).filePath(base + QStringLiteral(".ROUTE"));
}

} // namespace

TFormSetup::TFormSetup(SetupHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), ui_(std::make_unique<Ui::TFormSetup>()),
      host_(host) {
    initSetupResources();
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui_->LabelZeitzone->hide();
    for (const char* text : {QT_TR_NOOP("T/C-Mode"), QT_TR_NOOP("S-Mode"), QT_TR_NOOP("C-Mode")}) {
        auto* item = new QListWidgetItem(tr(text), ui_->CheckListBoxWMBUSmode);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }

    connect(ui_->ComboBoxZeitzone, &QComboBox::currentIndexChanged, this,
            &TFormSetup::ComboBoxZeitzoneChange);
    connect(ui_->ComboBoxReceiver, &QComboBox::currentIndexChanged, this,
            &TFormSetup::ComboBoxReceiverChange);
    connect(ui_->CheckListBoxWMBUSmode, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        CheckListBoxWMBUSmodeClickCheck(ui_->CheckListBoxWMBUSmode->row(item));
    });
    connect(ui_->ButtonAutoListe, &QPushButton::clicked, this, &TFormSetup::ButtonAutoListeClick);
    connect(ui_->ButtonDIR, &QPushButton::clicked, this, &TFormSetup::ButtonDIRClick);
    connect(ui_->ButtonSIO1, &QPushButton::clicked, this, &TFormSetup::ButtonSIO1Click);
    connect(ui_->ButtonSIO2, &QPushButton::clicked, this, &TFormSetup::ButtonSIO2Click);
    connect(ui_->ButtonOK, &QPushButton::clicked, this, &TFormSetup::ButtonOKClick);
    connect(ui_->ButtonAbbruch, &QPushButton::clicked, this, &TFormSetup::ButtonAbbruchClick);
}

TFormSetup::~TFormSetup() = default;

void TFormSetup::InitFromMain() {
    const Settings& s = host_.settings();
    offset_ = std::clamp(s.TimeZoneDiff, -4, 4);
    ui_->ComboBoxZeitzone->setCurrentIndex(offset_ + 4);
    ui_->OptLabelConspfad->setText(s.CSVPath);
    ui_->EditWMBUSZaehlerListe->setText(s.Geraeteliste);
    ui_->CheckBoxWMBUS_auto_HausListe_Load->setChecked(s.AutoLoad);
    ui_->CheckBoxWMBUS_NurUpdate->setChecked(s.NurUpdate);
    greyed_ = false;
    setModeItems(s.Tmode, s.Smode, s.Cmode);
    {
        const QSignalBlocker quiet(ui_->ComboBoxReceiver);
        ui_->ComboBoxReceiver->setCurrentIndex(std::clamp(s.RECEIVERTYPE, 0, 2));
    }
    ComboBoxReceiverChange();
}

void TFormSetup::setModeItems(bool tc, bool s, bool c) {
    const QSignalBlocker quiet(ui_->CheckListBoxWMBUSmode);
    const bool ticks[] = {tc, s, c};
    for (int i = 0; i < 3; ++i)
        ui_->CheckListBoxWMBUSmode->item(i)->setCheckState(ticks[i] ? Qt::Checked : Qt::Unchecked);
}

void TFormSetup::ComboBoxZeitzoneChange() {
    offset_ = ui_->ComboBoxZeitzone->currentIndex() - 4;
}

void TFormSetup::ComboBoxReceiverChange() {
    const int receiver = ui_->ComboBoxReceiver->currentIndex();
    ui_->ImageReceiver->setVisible(receiver <= 0);
    ui_->ImageAMBERsma->setVisible(receiver == 1);
    ui_->ImageAMBER->setVisible(receiver == 2);
    QListWidget* list = ui_->CheckListBoxWMBUSmode;
    const QSignalBlocker quiet(list);
    const bool grey = receiver == 1 || receiver == 2;
    if (grey && !greyed_) {
        // The stick's own firmware picks the mode; the ticks come back with the maker's receiver.
        for (int i = 0; i < 3; ++i)
            ticks_[i] = list->item(i)->checkState() == Qt::Checked;
    }
    for (int i = 0; i < 3; ++i) {
        QListWidgetItem* item = list->item(i);
        if (grey) {
            item->setCheckState(Qt::PartiallyChecked);
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        } else {
            item->setFlags(item->flags() | Qt::ItemIsEnabled);
            if (greyed_)
                item->setCheckState(ticks_[i] ? Qt::Checked : Qt::Unchecked);
        }
    }
    greyed_ = grey;
}

void TFormSetup::CheckListBoxWMBUSmodeClickCheck(int row) {
    QListWidget* list = ui_->CheckListBoxWMBUSmode;
    if (row < 0 || list->item(row)->checkState() != Qt::Checked)
        return;
    const QSignalBlocker quiet(list);
    for (int i = 0; i < list->count(); ++i)
        if (i != row)
            list->item(i)->setCheckState(Qt::Unchecked);
}

void TFormSetup::ButtonAutoListeClick() {
    const QString folder = dataPath({QStringLiteral("QUELMAR"), QStringLiteral("Routes")});
    const auto chosen =
        host_.userInteraction().openFileName(tr("Route laden"), folder, tr("Geräteliste (*.ROUTE *.route)"));
    if (chosen)
        ui_->EditWMBUSZaehlerListe->setText(withRouteExtension(*chosen));
}

void TFormSetup::ButtonDIRClick() {
    const auto chosen = host_.userInteraction().folderName(
        tr("Verzeichnis zum Speichern der formatierten Export csv's:"), ui_->OptLabelConspfad->text());
    if (chosen)
        ui_->OptLabelConspfad->setText(QDir::toNativeSeparators(*chosen));
}

void TFormSetup::ButtonSIO1Click() {
    host_.ShowInterfaceDialog(SerialInterface::SIO1);
}

void TFormSetup::ButtonSIO2Click() {
    host_.ShowInterfaceDialog(SerialInterface::SIO2);
}

void TFormSetup::ButtonOKClick() {
    Settings& s = host_.settings();
    const InterfaceDialogState& dialog = host_.interfaceDialog();
    s.link.SIO1Active = dialog.sio1Active;
    s.link.SIO2Active = dialog.sio2Active;

    s.TimeZoneDiff = offset_;
    host_.setStatusText(1, ui_->LabelZeitzone->text() + (offset_ > 0 ? QStringLiteral("+") : QString()) +
                               QString::number(offset_) + QStringLiteral(" h")); // notr: unit

    s.Geraeteliste = ui_->EditWMBUSZaehlerListe->text();
    s.AutoLoad = ui_->CheckBoxWMBUS_auto_HausListe_Load->isChecked();
    s.NurUpdate = ui_->CheckBoxWMBUS_NurUpdate->isChecked();
    s.RECEIVERTYPE = ui_->ComboBoxReceiver->currentIndex();
    const QListWidget* list = ui_->CheckListBoxWMBUSmode;
    s.Tmode = list->item(TCMode)->checkState() == Qt::Checked;
    s.Smode = list->item(SMode)->checkState() == Qt::Checked;
    s.Cmode = list->item(CMode)->checkState() == Qt::Checked;
    s.CSVPath = ui_->OptLabelConspfad->text();

    host_.SaveSettings();
    close();
    host_.startOptionsChanged();
}

void TFormSetup::ButtonAbbruchClick() {
    close();
}

} // namespace kvq
