// The device-data window on a technician's 1280x800 screen: every control visible, none covering
// another, every input named and reachable for keyboard and screen-reader users.

#include "ui/app/TMainForm.h"
#include "ui/devices/hca/TGDHKV.h"

#include "HkvTestHost.h"
#include "TempDataRoot.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

using namespace kvq;

namespace {

bool isInput(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

// Inputs and texts a person sees, without the inner parts of composite controls.
QList<QWidget*> visibleControls(QWidget& root) {
    QList<QWidget*> out;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&root) || (w->parentWidget() && isInput(w->parentWidget())))
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        if (isInput(w) || (label && !label->text().isEmpty()))
            out.append(w);
    }
    return out;
}

void switchOn(TGDHKV& w, const char* name) {
    auto* b = w.findChild<QAbstractButton*>(QString::fromLatin1(name));
    if (!b->isChecked())
        b->click();
}

} // namespace

class TestHkvDataLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fitsTheMainWindowOnTheScreen();
    void noControlCoversAnother();
    void everyInputHasAName();
    void keyboardReachesEveryInput();
};

void TestHkvDataLayout::fitsTheMainWindowOnTheScreen() {
    test::TempDataRoot root;
    test::ScriptedUserInteraction ui;
    test::FakeClock clock;
    TMainForm main(ui, clock, {QString(), 1280, true});
    // 1280x800 less the window manager's title bar.
    main.setGeometry(0, 0, 1280, 770);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.OpenToolWindow(ToolKind::HKVData);
    auto* w = qobject_cast<TGDHKV*>(main.currentToolWindow());
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), QString::fromUtf8("Gerätedaten FALKOII"));
    switchOn(*w, "CheckBoxFunk");
    QTest::qWait(50);
    auto* scroll = w->findChild<QScrollArea*>(QStringLiteral("TGDHKVScroll"));
    const QSize need = scroll->widget()->sizeHint();
    const QSize have = scroll->viewport()->size();
    QVERIFY2(need.width() <= have.width() && need.height() <= have.height(),
             qPrintable(QStringLiteral("needs %1x%2, has %3x%4")
                            .arg(need.width())
                            .arg(need.height())
                            .arg(have.width())
                            .arg(have.height())));
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    QVERIFY(!scroll->verticalScrollBar()->isVisible());

    const QString dir = qEnvironmentVariable("KVQ_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QVERIFY(main.grab().save(dir + QStringLiteral("/MainForm-TGDHKV.png")));
    }
}

void TestHkvDataLayout::noControlCoversAnother() {
    test::HkvTestHost host;
    test::RecordingChannel channel;
    TGDHKV w(host, nullptr, &channel);
    switchOn(w, "CheckBoxFunk");
    w.resize(w.sizeHint());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QList<QWidget*> controls = visibleControls(w);
    QVERIFY(controls.size() > 200);
    for (int i = 0; i < controls.size(); ++i) {
        QWidget* a = controls[i];
        const QRect ra(a->mapTo(&w, QPoint(0, 0)), a->size());
        QVERIFY2(QRect(QPoint(0, 0), w.size()).contains(ra), qPrintable(a->objectName()));
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            const QRect rb(b->mapTo(&w, QPoint(0, 0)), b->size());
            QVERIFY2(!ra.intersects(rb), qPrintable(QStringLiteral("%1 '%2' overlaps %3 '%4'")
                                                        .arg(a->objectName(), a->accessibleName(),
                                                             b->objectName(), b->accessibleName())));
        }
    }
    const QString dir = qEnvironmentVariable("KVQ_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QVERIFY(w.grab().save(dir + QStringLiteral("/TGDHKV.png")));
    }
}

void TestHkvDataLayout::everyInputHasAName() {
    test::HkvTestHost host;
    test::RecordingChannel channel;
    TGDHKV w(host, nullptr, &channel);
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (!isInput(c) || (c->parentWidget() && isInput(c->parentWidget())))
            continue;
        QVERIFY2(!c->objectName().isEmpty(), "an input without a control name");
        const auto* b = qobject_cast<QAbstractButton*>(c);
        const bool named = !c->accessibleName().isEmpty() || (b && !b->text().isEmpty());
        QVERIFY2(named, qPrintable(c->objectName()));
    }
}

void TestHkvDataLayout::keyboardReachesEveryInput() {
    test::HkvTestHost host;
    test::RecordingChannel channel;
    TGDHKV w(host, nullptr, &channel);
    switchOn(w, "CheckBoxFunk");
    switchOn(w, "CheckBoxAESenable");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSet<QString> reachable;
    for (QWidget* c : w.findChildren<QWidget*>())
        if (isInput(c) && c->isVisible() && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) &&
            !(c->parentWidget() && isInput(c->parentWidget())))
            reachable.insert(c->objectName());
    QVERIFY(reachable.contains(QStringLiteral("EditAESKEY")));
    QWidget* first = w.findChild<QWidget*>(QStringLiteral("Edit1GeraeteID"));
    if (!first->isEnabled())
        first = w.findChild<QWidget*>(QStringLiteral("EditSerienNR"));
    QSet<QString> reached;
    QWidget* current = first;
    do {
        reached.insert(current->objectName());
        current = current->nextInFocusChain();
    } while (current && current != first);
    for (const QString& n : reachable)
        QVERIFY2(reached.contains(n), qPrintable(n));
}

QTEST_MAIN(TestHkvDataLayout)
#include "tst_hkvdata_layout.moc"
