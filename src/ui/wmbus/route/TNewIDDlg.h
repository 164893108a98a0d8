#pragma once
// "neues W-MBUS Gerät": radio ID, manufacturer flag code, AES key and device kind of a device to be
// added to a floor of the route.

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kvq {

class UserInteraction;

class TNewIDDlg : public QDialog {
    Q_OBJECT
public:
    // What the dialog hands back on OK; the ID still as typed (the caller turns it into a number).
    struct Values {
        QString idText;
        QString manufacturer;
        QString deviceType; // decimal device type code
        QString keyText;
    };

    // The device kinds of the "MEDIUM" box and their device type codes, in list order.
    struct Kind {
        const char* text;
        int code;
    };
    static const std::vector<Kind>& kinds();

    // manufacturerCodes: offered in the "FLAG ID:" box besides the default "QLM".
    TNewIDDlg(UserInteraction& ui, const QStringList& manufacturerCodes, QWidget* parent = nullptr);

    Values values() const;
    // Shows the dialog modally; the values on OK.
    static std::optional<Values> ask(UserInteraction& ui, const QStringList& manufacturerCodes,
                                     QWidget* parent);

    void accept() override;

protected:
    // Return takes the OK path also while the button is disabled, so a wrong key is explained.
    void keyPressEvent(QKeyEvent* event) override;

public:
    QLineEdit* ValueEditID;
    QLabel* LabelCountSer;
    QComboBox* ComboBoxManCode;
    QLineEdit* EditAESkey;
    QLabel* sLabelCount;
    QComboBox* sComboBox1;
    QPushButton* ButtonOK;
    QPushButton* ButtonAbbrechen;

private:
    void updateState();

    UserInteraction& ui_;
};

} // namespace kvq
