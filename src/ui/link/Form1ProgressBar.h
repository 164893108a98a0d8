#pragma once
// The progress window of every device request: a bar that fills with the received bytes and an 800 ms
// timer that reports "TIMEOUT" after about four seconds without a byte.

#include "link/LinkWindows.h"

#include <QString>
#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

namespace kvq {

class LinkController;

class Form1ProgressBar : public QWidget, public ProgressIndicator {
    Q_OBJECT
public:
    explicit Form1ProgressBar(LinkController& link, QWidget* parent = nullptr);

    // ProgressIndicator
    void stepBy(int steps) override;
    void clearTickCount() override { TickCount = 0; }
    bool isShownForLink() const override { return isVisible(); }
    int maximum() const override;
    void setMaximum(int maximum) override;
    void setPosition(int position) override;
    void prepare(int maximum) override;
    void ShowProgress(int mode) override;
    void endProgress() override;

    int TickCount = 0;
    QString TimeoutText = QStringLiteral("TIMEOUT");

    QProgressBar* ProgressBar1 = nullptr;
    QLabel* LabelLaden = nullptr;
    QLabel* LabelSenden = nullptr;
    QTimer* Timer1 = nullptr;

public Q_SLOTS:
    void Timer1Timer();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    LinkController& link_;
};

} // namespace kvq
