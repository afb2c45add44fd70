#pragma once

#include <QProcess>
#include <QString>

namespace ondrix::test {

// A private X server (Xvfb, 1280×800) for tests that need a real display: tray icons and windows of the
// ondrix binary, on a display number no other server uses. Stopped on destruction.
class XvfbDisplay {
public:
    XvfbDisplay();
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    bool isRunning() const { return !m_name.isEmpty() && m_process.state() == QProcess::Running; }
    // ":<n>", for DISPLAY.
    QString name() const { return m_name; }

    // Ids of the viewable top-level windows with this title and size (xwininfo).
    QStringList viewableWindows(const QString& title, const QSize& size) const;
    // Saves the whole screen as a PNG (ImageMagick's import).
    bool saveScreen(const QString& path) const;

private:
    // Runs a program on this display; its output.
    QString run(const QString& program, const QStringList& arguments, bool* succeeded = nullptr) const;

    QProcess m_process;
    QString m_name;
};

} // namespace ondrix::test
