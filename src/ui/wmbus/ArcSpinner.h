#pragma once
// A small turning arc that shows the receiver is being configured. It only turns while visible.

#include <QWidget>

class QTimer;

namespace kvq {

class ArcSpinner : public QWidget {
    Q_OBJECT
public:
    explicit ArcSpinner(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {24, 24}; }
    bool turning() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer* timer_;
    int angle_ = 0;
};

} // namespace kvq
