#include "ui/app/TAboutBox.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kvq {

QString TAboutBox::formatVersion(const QString& fileVersion) {
    const qsizetype dot = fileVersion.lastIndexOf(u'.');
    const QString build = dot >= 0 ? fileVersion.mid(dot + 1) : fileVersion;
    return QStringLiteral("%1 (Build %2) %3").arg(fileVersion, build, QString());
}

TAboutBox::TAboutBox(const QString& fileVersion, QWidget* parent)
    : QDialog(parent), versionText_(formatVersion(fileVersion)) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("Version"));
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(QStringLiteral("KVQ Commander"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont f = product->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    product->setFont(f);
    layout->addWidget(product);
    Version = new QLabel(versionText_, this);
    Version->setObjectName(QStringLiteral("Version"));
    layout->addWidget(Version);
    auto* copyright = new QLabel(QStringLiteral("QUELMAR"), this); // notr: the maker's name
    copyright->setObjectName(QStringLiteral("Copyright"));
    layout->addWidget(copyright);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void TAboutBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(tr("Version"));
    QDialog::changeEvent(event);
}

} // namespace kvq
