#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ondrix {

// Asks for one name in place, above the listing, instead of in a modal dialog: a title, a message, a field
// and an accept and a "Cancel" button. Return accepts, Escape cancels. Used for "New Folder" and "Rename".
class NamePromptBar : public QWidget {
    Q_OBJECT

public:
    explicit NamePromptBar(QWidget* parent = nullptr);

    // Shows the prompt with `text` in the field (selected) and focuses it.
    void ask(const QString& title, const QString& message, const QString& fieldName,
             const QString& acceptLabel, const QString& text = {});
    void dismiss();

    QLineEdit* field() const { return m_field; }
    QPushButton* acceptButton() const { return m_accept; }
    QPushButton* cancelButton() const { return m_cancel; }

Q_SIGNALS:
    // The field's text as typed (the receiver trims it).
    void accepted(const QString& text);
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_title;
    QLabel* m_message;
    QLineEdit* m_field;
    QPushButton* m_accept;
    QPushButton* m_cancel;
};

} // namespace ondrix
