#pragma once

#include <QVariantAnimation>
#include <QWidget>

namespace ondrix {

// The small sign before a connection's status: a still green arrow while files upload, blue arrows turning
// once a second while files are checked for stability, nothing otherwise. The turning runs only while the
// sign is on screen.
class UploadIndicator : public QWidget {
    Q_OBJECT

public:
    enum class Mode { none, uploading, stabilityChecking };

    explicit UploadIndicator(QWidget* parent = nullptr);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    // Degrees, 0 to 360.
    double rotation() const { return m_rotation; }
    bool isTurning() const { return m_turn.state() == QAbstractAnimation::Running; }

    QSize sizeHint() const override { return {kSize, kSize}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    static constexpr int kSize = 14;
    void updateTurning();

    Mode m_mode = Mode::none;
    double m_rotation = 0.0;
    QVariantAnimation m_turn;
};

} // namespace ondrix
