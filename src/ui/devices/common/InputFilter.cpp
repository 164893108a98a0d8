#include "ui/devices/common/InputFilter.h"

#include <QLineEdit>

namespace kvq {

void filterEdit(QLineEdit* e, QString (*filter)(const QString&)) {
    const QString text = e->text();
    const QString kept = filter(text);
    if (kept == text)
        return;
    const int cursor = e->cursorPosition();
    const int removedBefore = int(filter(text.left(cursor)).size());
    e->setText(kept);
    e->setCursorPosition(std::min<int>(removedBefore, int(kept.size())));
}

void keepFiltered(QLineEdit* e, QString (*filter)(const QString&)) {
    QObject::connect(e, &QLineEdit::textEdited, e, [e, filter] { filterEdit(e, filter); });
}

} // namespace kvq
