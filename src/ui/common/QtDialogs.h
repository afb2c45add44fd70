#pragma once

#include "ui/common/Dialogs.h"

namespace ondrix {

// The desktop's own file dialogs and message boxes.
class QtDialogs final : public Dialogs {
public:
    QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) override;
    QString chooseOpenFile(QWidget* parent, const QString& title, const QString& startFolder,
                           const QString& filter) override;
    QString chooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                           const QString& filter) override;
    bool confirm(QWidget* parent, const Confirmation& question) override;
    void inform(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace ondrix
