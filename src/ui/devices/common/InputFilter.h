#pragma once
// Edits that drop what they cannot take while the technician types.

class QLineEdit;
class QString;

namespace kvq {

// Replaces the edit's text by what the filter keeps, with the cursor where the typing was.
void filterEdit(QLineEdit* e, QString (*filter)(const QString&));
// Runs the filter on every edit of the text the user makes.
void keepFiltered(QLineEdit* e, QString (*filter)(const QString&));

} // namespace kvq
