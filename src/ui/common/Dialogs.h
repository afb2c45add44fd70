#pragma once

#include <QString>

class QWidget;

namespace ondrix {

// A question put to the user before something that cannot be undone.
struct Confirmation {
    QString title;
    QString text;
    QString informativeText;
    QString acceptLabel; // e.g. "Delete"
    bool destructive = false;
};

// File pickers, confirmations and messages. Views never open a modal dialog themselves: they ask this
// interface, so tests can answer in place of a person.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An existing folder, or empty when the user cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) = 0;
    // An existing file to open, or empty when cancelled. `filter` is a QFileDialog name filter.
    virtual QString chooseOpenFile(QWidget* parent, const QString& title, const QString& startFolder,
                                   const QString& filter) = 0;
    // A path to write, or empty when cancelled.
    virtual QString chooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                                   const QString& filter) = 0;
    // True when the user accepted.
    virtual bool confirm(QWidget* parent, const Confirmation& question) = 0;
    // Tells the user something that needs no answer (an error with what to do about it).
    virtual void inform(QWidget* parent, const QString& title, const QString& text) = 0;
};

} // namespace ondrix
