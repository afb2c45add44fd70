#pragma once

#include <QStyle>
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace ondrix {

// A centred page that stands in for a listing: an icon or a busy bar, a title, a line of text and, when
// given, one button (e.g. "Retry"). Used for the empty, loading and error states.
class BrowserStatePage : public QWidget {
    Q_OBJECT

public:
    explicit BrowserStatePage(QWidget* parent = nullptr);

    void showMessage(QStyle::StandardPixmap icon, const QString& title, const QString& text,
                     const QString& buttonLabel = {});
    void showBusy(const QString& title);

    QString title() const;
    QString text() const;
    QPushButton* button() const { return m_button; }

Q_SIGNALS:
    void buttonClicked();

private:
    QLabel* m_icon;
    QProgressBar* m_busy;
    QLabel* m_title;
    QLabel* m_text;
    QPushButton* m_button;
};

} // namespace ondrix
