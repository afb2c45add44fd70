#include "ui/common/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ondrix {

QString QtDialogs::chooseFolder(QWidget* parent, const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(parent, title, startFolder);
}

QString QtDialogs::chooseOpenFile(QWidget* parent, const QString& title, const QString& startFolder,
                                  const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, startFolder, filter);
}

QString QtDialogs::chooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                                  const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

bool QtDialogs::confirm(QWidget* parent, const Confirmation& question)
{
    QMessageBox box(question.destructive ? QMessageBox::Warning : QMessageBox::Question, question.title,
                    question.text, QMessageBox::Cancel, parent);
    box.setInformativeText(question.informativeText);
    QPushButton* accept = box.addButton(question.acceptLabel, QMessageBox::AcceptRole);
    box.setDefaultButton(question.destructive ? qobject_cast<QPushButton*>(box.button(QMessageBox::Cancel))
                                              : accept);
    box.exec();
    return box.clickedButton() == accept;
}

void QtDialogs::inform(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text);
}

} // namespace ondrix
