#pragma once

#include <QWidget>

class QHBoxLayout;

namespace ondrix {

// The path of the folder shown, as a row of buttons from the top ("/") down to the folder itself, separated
// by "›"; a click on one goes to that folder. Deep paths keep the top and the last few levels and show "…"
// for the ones between.
class RemotePathBar : public QWidget {
    Q_OBJECT

public:
    explicit RemotePathBar(QWidget* parent = nullptr);

    void setPath(const QString& path);
    QString path() const { return m_path; }

Q_SIGNALS:
    void folderClicked(const QString& path);

private:
    QString m_path;
    QHBoxLayout* m_layout;
};

} // namespace ondrix
