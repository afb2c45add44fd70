#include "support/ui/XvfbDisplay.h"

#include "support/TestServerProcess.h"

#include <QRegularExpression>
#include <QSize>
#include <QTest>

using namespace Qt::StringLiterals;

namespace ondrix::test {

XvfbDisplay::XvfbDisplay()
{
    // Xvfb takes a free display itself and writes its number once it accepts clients.
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1280x800x24"_s,
                                u"-nolisten"_s, u"tcp"_s});
    const auto running = [this] { return m_process.state() == QProcess::Running; };
    if (m_process.waitForStarted(10000) &&
        QTest::qWaitFor([&] { return m_process.canReadLine() || !running(); }, 10000) && running()) {
        m_name = ':'_L1 + QString::fromLatin1(m_process.readLine().trimmed());
    }
}

XvfbDisplay::~XvfbDisplay()
{
    stopProcess(m_process);
}

QString XvfbDisplay::run(const QString& program, const QStringList& arguments, bool* succeeded) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, m_name);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(20000) && process.exitCode() == 0;
    if (succeeded) {
        *succeeded = finished;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QStringList XvfbDisplay::viewableWindows(const QString& title, const QSize& size) const
{
    QStringList ids;
    const QString tree = run(u"xwininfo"_s, {u"-root"_s, u"-tree"_s});
    const QRegularExpression line(
        QStringLiteral(R"(^\s*(0x[0-9a-f]+) "%1": .*\s(\d+)x(\d+)\+)").arg(QRegularExpression::escape(title)),
        QRegularExpression::MultilineOption);
    for (auto match = line.globalMatch(tree); match.hasNext();) {
        const QRegularExpressionMatch window = match.next();
        if (QSize(window.captured(2).toInt(), window.captured(3).toInt()) == size &&
            run(u"xwininfo"_s, {u"-id"_s, window.captured(1)}).contains("Map State: IsViewable"_L1)) {
            ids << window.captured(1);
        }
    }
    return ids;
}

bool XvfbDisplay::saveScreen(const QString& path) const
{
    bool saved = false;
    run(u"import"_s, {u"-window"_s, u"root"_s, path}, &saved);
    return saved;
}

} // namespace ondrix::test
