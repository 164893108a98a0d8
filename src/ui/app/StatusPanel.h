#pragma once
// One panel of the main window's status bar: fixed width, optional image, black text on a colour.

#include <QColor>
#include <QFrame>
#include <QPixmap>

class QLabel;

namespace kvq {

class StatusPanel : public QFrame {
    Q_OBJECT
public:
    StatusPanel(int width, QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const;
    void setImage(const QPixmap& image);
    // An invalid colour gives the bar's own colour.
    void setBackground(const QColor& colour);
    QColor background() const { return background_; }

private:
    QLabel* image_ = nullptr;
    QLabel* text_ = nullptr;
    QColor background_;
};

} // namespace kvq
