#pragma once
// The "Version" window of the Help menu.

#include <QDialog>

class QLabel;

namespace kvq {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // `fileVersion` is the program's version text ("1.0.0.7"); the part after the last point is the build.
    explicit TAboutBox(const QString& fileVersion, QWidget* parent = nullptr);
    // "%s (Build %s) %s": version, build and an empty text.
    const QString& versionText() const { return versionText_; }

    static QString formatVersion(const QString& fileVersion);

protected:
    void changeEvent(QEvent* event) override;

private:
    QString versionText_;
    QLabel* Version = nullptr;
};

} // namespace kvq
