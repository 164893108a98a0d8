#pragma once
// The allocator's 18 monthly values as rows of value, month and year edits: two columns of nine rows
// below the captions in row 0 of the grid, each row's number the buddy of its value edit.

class QGridLayout;
class QWidget;

namespace kvq {

// Adds the rows to the grid; in the tab order they follow `previous`. Returns the last edit.
QWidget* buildMonthTable(QGridLayout& grid, QWidget* previous, bool readOnly);

} // namespace kvq
