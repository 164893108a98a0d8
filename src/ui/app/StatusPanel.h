#pragma once
// One panel of the main window's status bar: fixed width, optional image, black text on a colour.

#include "core/link/PanelColours.h"

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
    // Neutral gives the bar's own colour.
    void setColour(PanelColour colour);
    PanelColour colour() const { return colour_; }

private:
    QLabel* image_ = nullptr;
    QLabel* text_ = nullptr;
    PanelColour colour_ = PanelColour::Neutral;
    QColor background_;
};

} // namespace kvq
