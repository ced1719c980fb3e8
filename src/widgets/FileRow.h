#pragma once

#include <QString>

class QGridLayout;
class QLineEdit;
class QWidget;

// A row of a settings dialog that names a file: the caption, the file's path to type and a
// "..." button that chooses it with the system's file dialog. Returns the path's field,
// named `name`.
QLineEdit* AddFileRow(QWidget* dialog, const char* name, const QString& caption, QGridLayout* grid,
                      int row);
