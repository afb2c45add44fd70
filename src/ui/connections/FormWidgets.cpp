#include "ui/connections/FormWidgets.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace ondrix::FormWidgets {

QLabel* caption(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    return label;
}

QLabel* errorLabel(const QString& objectName)
{
    auto* label = caption();
    label->setObjectName(objectName);
    colour(label, StatusTone::error);
    label->hide();
    return label;
}

void colour(QLabel* label, StatusTone tone)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, StatusPalette::text(tone, palette));
    label->setPalette(palette);
    label->setForegroundRole(QPalette::WindowText);
}

QWidget* withMessage(QWidget* field, QLabel* message)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(field);
    layout->addWidget(message);
    return box;
}

QWidget* row(std::initializer_list<QWidget*> widgets, bool stretch)
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) {
        layout->addWidget(widget);
    }
    if (stretch) {
        layout->addStretch();
    }
    return box;
}

QWidget* stretchedRow(std::initializer_list<QWidget*> widgets)
{
    QWidget* box = row(widgets);
    static_cast<QHBoxLayout*>(box->layout())->setStretch(0, 1);
    return box;
}

QLineEdit* lineEdit(const QString& objectName, const QString& accessibleName, const QString& placeholder)
{
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    field->setPlaceholderText(placeholder);
    return field;
}

QPushButton* button(const QString& text, const QString& objectName, const QString& accessibleName)
{
    auto* b = new QPushButton(text);
    b->setObjectName(objectName);
    b->setAccessibleName(accessibleName.isEmpty() ? text : accessibleName);
    return b;
}

QCheckBox* checkBox(const QString& text, const QString& objectName)
{
    auto* box = new QCheckBox(text);
    box->setObjectName(objectName);
    box->setAccessibleName(text);
    return box;
}

QToolButton* toolButton(const QString& text, const QString& objectName, const QString& accessibleName)
{
    auto* b = new QToolButton;
    b->setText(text);
    b->setObjectName(objectName);
    b->setAccessibleName(accessibleName);
    b->setToolTip(accessibleName);
    return b;
}

void setText(QLineEdit* field, const QString& text)
{
    if (field->text() != text) {
        const QSignalBlocker block(field);
        field->setText(text);
    }
}

void showMessage(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

QString pathOrNotSelected(const QString& path)
{
    return path.isEmpty() ? QCoreApplication::translate("FormWidgets", "Not selected") : path;
}

} // namespace ondrix::FormWidgets
