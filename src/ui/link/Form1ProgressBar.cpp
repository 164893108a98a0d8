#include "ui/link/Form1ProgressBar.h"

#include "link/LinkController.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace kvq {

Form1ProgressBar::Form1ProgressBar(LinkController& link, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), link_(link) {
    setObjectName(QStringLiteral("Form1ProgressBar"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(320, 48);

    auto* layout = new QVBoxLayout(this);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    layout->addWidget(ProgressBar1);

    LabelLaden = new QLabel(this);
    LabelLaden->setObjectName(QStringLiteral("LabelLaden"));
    LabelLaden->hide();
    LabelSenden = new QLabel(this);
    LabelSenden->setObjectName(QStringLiteral("LabelSenden"));
    LabelSenden->hide();
    retranslateUi();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(800);
    connect(Timer1, &QTimer::timeout, this, &Form1ProgressBar::Timer1Timer);
}

void Form1ProgressBar::retranslateUi() {
    setWindowTitle(tr("Daten Werden geladen!"));
    ProgressBar1->setAccessibleName(windowTitle());
    LabelLaden->setText(tr("Daten werden geladen!"));
    LabelSenden->setText(tr("Daten werden gesendet!"));
}

void Form1ProgressBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void Form1ProgressBar::stepBy(int steps) {
    ProgressBar1->setValue(std::min(ProgressBar1->value() + steps, ProgressBar1->maximum()));
}

int Form1ProgressBar::maximum() const {
    return ProgressBar1->maximum();
}

void Form1ProgressBar::setMaximum(int maximum) {
    ProgressBar1->setMaximum(std::max(maximum, 1));
}

void Form1ProgressBar::setPosition(int position) {
    ProgressBar1->setValue(std::min(position, ProgressBar1->maximum()));
}

void Form1ProgressBar::prepare(int maximum) {
    setMaximum(maximum);
    setPosition(0);
    TickCount = 0;
    Timer1->start();
}

void Form1ProgressBar::ShowProgress(int mode) {
    setWindowTitle(mode == 1 ? LabelLaden->text() : LabelSenden->text());
    show();
}

void Form1ProgressBar::endProgress() {
    Timer1->stop();
    hide();
    TickCount = 0;
}

void Form1ProgressBar::Timer1Timer() {
    ++TickCount;
    if (TickCount <= 4)
        return;
    Timer1->stop();
    TickCount = 0;
    // The message may wait for the user; the window goes after it, as it always did.
    link_.ProgressTimeout(TimeoutText);
    hide();
}

} // namespace kvq
