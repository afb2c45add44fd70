#pragma once

#include "ui/common/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <algorithm>
#include <deque>

class QWidget;

namespace ondrix::test {

// Renders a widget and saves it as <build>/screenshots/<name>.png for a person to look at; returns the path.
QString saveScreenshot(QWidget* widget, const QString& name);

// Describes every interactive control below `root` (buttons, fields, boxes, lists, sliders) that has no
// accessible name, as "ClassName objectName 'text'", so a failing check says which control to name.
QStringList controlsWithoutAccessibleName(QWidget* root);

// Every text a person reads (or a screen reader says) below `root`, hidden pages included: titles, labels,
// button, group and tab texts, combo items, placeholders, tool tips and accessible names.
QStringList visibleTexts(QWidget* root);

// The record of connection `id` as `manager` lists it, or a default one when it lists none by that id.
template <typename Manager>
auto storedConnection(const Manager& manager, const QUuid& id)
{
    const auto list = manager.connections();
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& c) { return c.id == id; });
    return it == list.end() ? typename decltype(list)::value_type{} : *it;
}

// Dialogs answered by the test: each question pops the next prepared answer (none: "cancel"), and every
// question asked is recorded.
class FakeDialogs final : public Dialogs {
public:
    std::deque<QString> folderAnswers;
    std::deque<QString> openFileAnswers;
    std::deque<QString> saveFileAnswers;
    std::deque<bool> confirmAnswers;

    QList<Confirmation> confirmations;
    QStringList messages; // "title: text" of each inform()

    using Text = const QString&;
    QString chooseFolder(QWidget*, Text, Text) override { return next(folderAnswers); }
    QString chooseOpenFile(QWidget*, Text, Text, Text) override { return next(openFileAnswers); }
    QString chooseSaveFile(QWidget*, Text, Text, Text) override { return next(saveFileAnswers); }
    bool confirm(QWidget*, const Confirmation& question) override
    {
        confirmations << question;
        return next(confirmAnswers);
    }
    void inform(QWidget*, Text title, Text text) override { messages << title + QStringLiteral(": ") + text; }

private:
    template <typename T>
    static T next(std::deque<T>& answers)
    {
        const T answer = answers.empty() ? T{} : answers.front();
        answers.empty() ? void() : answers.pop_front();
        return answer;
    }
};

} // namespace ondrix::test
