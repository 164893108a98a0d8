// Every tool window the main window offers, on a technician's 1280x800 screen: it is built (every
// control of its field tables bound), it fits, no control covers another, every input is named and
// the keyboard reaches it. A new window registered with the main window is covered here as it is;
// the dialogs the device windows open are listed in everyDialog.

#include "core/devices/hca/HcaFields.h"
#include "ui/app/TFormSetup.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TPagesDlg.h"
#include "ui/devices/common/FormBinder.h"
#include "ui/devices/hca/TGDHKV.h"
#include "ui/devices/order/TFormBestellung.h"
#include "ui/devices/order/TFormBestellungWZ.h"
#include "ui/devices/watermodule/TGDWZBRAM.h"

#include "../hca/HkvTestHost.h"
#include "TempDataRoot.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

using namespace kvq;

Q_DECLARE_METATYPE(kvq::ToolKind)

namespace {

bool isInput(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

// Inner parts of composite controls (a spin box's edit, a table's corner button).
bool isInner(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (isInput(p) || qobject_cast<const QAbstractItemView*>(p))
            return true;
    return false;
}

// Inputs and texts a person sees, without the inner parts of composite controls.
QList<QWidget*> visibleControls(QWidget& root) {
    QList<QWidget*> out;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&root) || isInner(w))
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        if (isInput(w) || (label && !label->text().isEmpty()))
            out.append(w);
    }
    return out;
}

// The worst case for space and focus: every group a setting may hide is shown and enabled.
void showEveryGroup(QWidget& w) {
    for (QGroupBox* g : w.findChildren<QGroupBox*>()) {
        g->setVisible(true);
        g->setEnabled(true);
    }
    for (QWidget* c : w.findChildren<QWidget*>())
        if (isInput(c))
            c->setEnabled(true);
}

struct MainWindow {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    TMainForm main{ui, clock, {QString(), 1280, true}};

    ToolWindow* open(ToolKind kind) {
        // 1280x800 less the window manager's title bar.
        main.setGeometry(0, 0, 1280, 770);
        main.show();
        if (!QTest::qWaitForWindowExposed(&main))
            return nullptr;
        main.OpenToolWindow(kind);
        return main.currentToolWindow();
    }
};

constexpr ToolKind kAllKinds[] = {ToolKind::HKVData,    ToolKind::HKVBilling, ToolKind::HKVParam,
                                  ToolKind::ThermoData, ToolKind::WZData,     ToolKind::WZReadout,
                                  ToolKind::WZParam,    ToolKind::WMBus};

} // namespace

class TestToolWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyWindow_data();
    void everyWindow();
    void everyDialog_data();
    void everyDialog();
    void misspeltControlFailsTheConstruction();

private:
    // No control covers another or leaves the window, every input is named and the tab key reaches it.
    static void checkControls(QWidget& root);
    // A window of pages at its own size: each page in turn.
    static void everySettingsPage(QWidget& window, const QString& name);
};

void TestToolWindows::everyWindow_data() {
    QTest::addColumn<ToolKind>("kind");
    MainWindow m;
    for (ToolKind kind : kAllKinds)
        if (m.main.hasToolWindow(kind))
            QTest::newRow(qPrintable(QString::number(int(kind)))) << kind;
}

void TestToolWindows::everyWindow() {
    QFETCH(ToolKind, kind);
    MainWindow m;
    ToolWindow* w = m.open(kind);
    QVERIFY2(w, "the window is built: every control of its tables found");
    QVERIFY(!w->windowTitle().isEmpty());
    showEveryGroup(*w);
    QTest::qWait(50);

    // It fits the main window's client area without scrolling.
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    QVERIFY(sub && sub->mdiArea());
    const QSize have = sub->mdiArea()->viewport()->size();
    const QSize need = w->sizeHint();
    QVERIFY2(need.width() <= have.width() && need.height() <= have.height(),
             qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5")
                            .arg(w->objectName())
                            .arg(need.width())
                            .arg(need.height())
                            .arg(have.width())
                            .arg(have.height())));
    for (QScrollArea* scroll : w->findChildren<QScrollArea*>()) {
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        QVERIFY(!scroll->verticalScrollBar()->isVisible());
    }
    const QString dir = qEnvironmentVariable("KVQ_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QVERIFY(m.main.grab().save(dir + QStringLiteral("/MainForm-%1.png").arg(w->objectName())));
    }

    checkControls(*w);
}

void TestToolWindows::everyDialog_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("TFormBestellung") << QStringLiteral("TFormBestellung");
    QTest::newRow("TFormBestellungWZ") << QStringLiteral("TFormBestellungWZ");
    QTest::newRow("TFormSetup") << QStringLiteral("TFormSetup");
    QTest::newRow("TPagesDlg") << QStringLiteral("TPagesDlg");
}

void TestToolWindows::everySettingsPage(QWidget& window, const QString& name) {
    const QSize need = window.sizeHint();
    QVERIFY2(need.width() <= 1280 && need.height() <= 770,
             qPrintable(QStringLiteral("%1 needs %2x%3").arg(name).arg(need.width()).arg(need.height())));
    window.resize(need);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* pages = window.findChild<QTabWidget*>();
    QVERIFY(pages);
    for (int i = 0; i < pages->count(); ++i) {
        pages->setTabVisible(i, true);
        pages->setCurrentIndex(i);
        QTest::qWait(20);
        const QString dir = qEnvironmentVariable("KVQ_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            QVERIFY(window.grab().save(dir + QStringLiteral("/%1-%2.png").arg(name).arg(i + 1)));
        }
        checkControls(window);
    }
}

void TestToolWindows::everyDialog() {
    QFETCH(QString, name);
    if (name == u"TFormSetup" || name == u"TPagesDlg") {
        // The settings window and the interface dialog, as "Setup" and its buttons open them.
        MainWindow m;
        QVERIFY(m.open(ToolKind::WMBus));
        m.main.findChild<QAction*>(QStringLiteral("SetupItem"))->trigger();
        TFormSetup* setup = m.main.setupWindow();
        QVERIFY(setup);
        if (name == u"TFormSetup") {
            everySettingsPage(*setup, name);
            return;
        }
        m.main.ShowInterfaceDialog(SerialInterface::SIO1);
        QVERIFY(m.main.PagesDlg()->isVisible());
        everySettingsPage(*m.main.PagesDlg(), name);
        m.main.PagesDlg()->reject();
        return;
    }
    test::HkvTestHost host;
    test::RecordingChannel channel;
    std::unique_ptr<DeviceWindow> device;
    OrderSheet* sheet = nullptr;
    if (name == u"TFormBestellung") {
        auto* w = new TGDHKV(host, nullptr, &channel);
        device.reset(w);
        sheet = &w->orderWindow();
    } else {
        host.params = PARAmeter(DeviceFamily::WaterMeterModule);
        auto* w = new TGDWZBRAM(host, nullptr, &channel);
        device.reset(w);
        sheet = &w->orderWindow();
    }
    // Filled as the technician sees it.
    sheet->RefreshFromDevice(*device, host.clock());
    QVERIFY(!sheet->windowTitle().isEmpty());
    const QSize need = sheet->sizeHint();
    QVERIFY2(need.width() <= 1280 && need.height() <= 770,
             qPrintable(QStringLiteral("%1 needs %2x%3").arg(name).arg(need.width()).arg(need.height())));
    sheet->resize(need);
    sheet->show();
    QVERIFY(QTest::qWaitForWindowExposed(sheet));
    const QString dir = qEnvironmentVariable("KVQ_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QVERIFY(sheet->grab().save(dir + QStringLiteral("/%1.png").arg(name)));
    }
    checkControls(*sheet);
    sheet->hide();
}

void TestToolWindows::checkControls(QWidget& root) {
    QWidget* w = &root;
    // No control covers another, and each lies inside the window.
    const QList<QWidget*> controls = visibleControls(*w);
    QVERIFY(!controls.isEmpty());
    for (int i = 0; i < controls.size(); ++i) {
        QWidget* a = controls[i];
        const QRect ra(a->mapTo(w, QPoint(0, 0)), a->size());
        QVERIFY2(QRect(QPoint(0, 0), w->size()).contains(ra), qPrintable(a->objectName()));
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            const QRect rb(b->mapTo(w, QPoint(0, 0)), b->size());
            QVERIFY2(!ra.intersects(rb), qPrintable(QStringLiteral("%1 '%2' overlaps %3 '%4'")
                                                        .arg(a->objectName(), a->accessibleName(),
                                                             b->objectName(), b->accessibleName())));
        }
    }

    // Every input has its control name and a name a screen reader speaks.
    QWidget* first = nullptr;
    QSet<QString> reachable;
    QStringList unnamed;
    for (QWidget* c : w->findChildren<QWidget*>()) {
        // Qt's own helpers (the menu bar's overflow button) are not ours to name.
        if (!isInput(c) || isInner(c) || c->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const auto* b = qobject_cast<QAbstractButton*>(c);
        if (c->objectName().isEmpty() || (c->accessibleName().isEmpty() && !(b && !b->text().isEmpty())))
            unnamed << QStringLiteral("%1 %2 '%3'")
                           .arg(QString::fromLatin1(c->metaObject()->className()), c->objectName(),
                                b ? b->text() : QString());
        if (c->isVisible() && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus)) {
            reachable.insert(c->objectName());
            if (!first)
                first = c;
        }
    }

    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));

    // The tab key reaches every input that takes the focus.
    QVERIFY(first);
    QSet<QString> reached;
    QWidget* current = first;
    do {
        reached.insert(current->objectName());
        current = current->nextInFocusChain();
    } while (current && current != first);
    for (const QString& n : std::as_const(reachable))
        QVERIFY2(reached.contains(n), qPrintable(n));
}

void TestToolWindows::misspeltControlFailsTheConstruction() {
    test::HkvTestHost host;
    test::RecordingChannel channel;
    TGDHKV w(host, nullptr, &channel);
    fields::Table<hca::HcaForm> table = hca::hcaFields();
    table.fields[3].control = QStringLiteral("Edit1BatMon");
    FormBinder<hca::HcaForm> binder;
    try {
        binder.bind(w, table);
        QFAIL("a table row without its widget was bound");
    } catch (const BindingError& e) {
        QCOMPARE(e.control(), QStringLiteral("Edit1BatMon"));
        QVERIFY(QString::fromStdString(e.what()).contains(QStringLiteral("Edit1BatMon")));
    }
    // The right name of the wrong class fails as well.
    table = hca::hcaFields();
    table.fields[0].control = QStringLiteral("CheckBoxFunk");
    QVERIFY_THROWS_EXCEPTION(BindingError, binder.bind(w, table));
}

QTEST_MAIN(TestToolWindows)
#include "tst_tool_windows.moc"
