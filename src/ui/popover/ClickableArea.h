#pragma once

#include <QAbstractButton>

namespace ondrix {

// A button that is a whole area of labels (a connection's name and status): clicks and the space key on it
// trigger it, and it is highlighted under the pointer and when it has the keyboard focus. The labels go in
// its layout.
class ClickableArea : public QAbstractButton {
    Q_OBJECT

public:
    explicit ClickableArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

} // namespace ondrix
