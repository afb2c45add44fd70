#pragma once

#include "ui/common/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

class QComboBox;
class QWidget;

namespace ondrix::test {

// Renders a widget (shown or not) and saves it as <build>/screenshots/<name>.png for a person to look at.
// Returns the saved path.
QString saveScreenshot(QWidget* widget, const QString& name);

// Describes every interactive control below `root` (buttons, fields, boxes, lists, sliders) that has no
// accessible name, as "ClassName objectName 'text'", so a failing check says which control to name.
QStringList controlsWithoutAccessibleName(QWidget* root);

// Every text a person reads (or a screen reader says) on the widgets below `root`, hidden pages included:
// the window title, labels, button, group box and tab texts, combo box items, placeholders, tool tips and
// accessible names.
QStringList visibleTexts(QWidget* root);

// The texts of a combo box's items, in order.
QStringList itemTexts(const QComboBox* combo);

// Dialogs answered by the test: each question pops the next prepared answer, and every question asked is
// recorded. An unprepared question is answered "cancel".
class FakeDialogs final : public Dialogs {
public:
    std::deque<QString> folderAnswers;
    std::deque<QString> openFileAnswers;
    std::deque<QString> saveFileAnswers;
    std::deque<bool> confirmAnswers;

    QList<Confirmation> confirmations;
    QStringList messages; // "title: text" of each inform()

    QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) override;
    QString chooseOpenFile(QWidget* parent, const QString& title, const QString& startFolder,
                           const QString& filter) override;
    QString chooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                           const QString& filter) override;
    bool confirm(QWidget* parent, const Confirmation& question) override;
    void inform(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace ondrix::test
