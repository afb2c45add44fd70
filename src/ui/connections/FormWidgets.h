#pragma once

#include "ui/common/StatusPalette.h"

#include <QString>

#include <initializer_list>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace ondrix {

// The small building blocks the connection editor's sections share: captions and messages under fields,
// rows of widgets, and controls that carry their object and accessible names from the start.
namespace FormWidgets {

// A small, secondary text that wraps.
QLabel* caption(const QString& text = {});
// A hidden caption in the error colour, shown by showMessage.
QLabel* errorLabel(const QString& objectName);
// Gives a label's text a status colour that reads on its window.
void colour(QLabel* label, StatusTone tone);
// A field with its message underneath.
QWidget* withMessage(QWidget* field, QLabel* message);
QWidget* row(std::initializer_list<QWidget*> widgets, bool stretch = false);
// The same with the first widget taking the spare width.
QWidget* stretchedRow(std::initializer_list<QWidget*> widgets);
QLineEdit* lineEdit(const QString& objectName, const QString& accessibleName,
                    const QString& placeholder = {});
QPushButton* button(const QString& text, const QString& objectName, const QString& accessibleName = {});
QCheckBox* checkBox(const QString& text, const QString& objectName);
QToolButton* toolButton(const QString& text, const QString& objectName, const QString& accessibleName);
// Replaces a field's text without signalling an edit, and only when it differs (the cursor stays put).
void setText(QLineEdit* field, const QString& text);
// Shows `text` below its field; empty hides the label.
void showMessage(QLabel* label, const QString& text);
// A chosen path, or "Not selected".
QString pathOrNotSelected(const QString& path);

} // namespace FormWidgets
} // namespace ondrix
