#pragma once

#include <QWidget>

namespace ondrix {

// One line of text that gives way to its neighbours: it takes the room the layout leaves and ends in "…"
// when the text is longer. The full text is its tooltip then.
class ElidedLabel : public QWidget {
    Q_OBJECT

public:
    explicit ElidedLabel(Qt::TextElideMode mode = Qt::ElideRight, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    // Repaints only when the text or colour really changes.
    void setText(const QString& text);
    void setColour(const QColor& colour);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void updateToolTip();

    const Qt::TextElideMode m_mode;
    QString m_text;
    QColor m_colour;
};

} // namespace ondrix
