#pragma once
// A list view as comma-separated text: one line of the shown column captions, then one
// line per row, columns in the order they are shown (hidden columns left out), lines
// ended by CR LF. A field that holds a comma, a quote, CR or LF is put in quotes, its
// quotes doubled.

#include <string>

class QTreeView;
class QWidget;

std::string CsvField(const std::string &text);
std::string ListViewCsv(const QTreeView *listView);

// Puts the list's text on the clipboard.
void CopyListViewCsv(const QTreeView *listView);

// Asks for a file name (through the platform's save dialog, offering `suggestedName`)
// and writes the list's text there. Returns the path written, "" when the operator
// cancelled; raises std::runtime_error when the file cannot be written.
std::string SaveListViewCsv(QWidget *parent, const QTreeView *listView, const std::string &suggestedName);
