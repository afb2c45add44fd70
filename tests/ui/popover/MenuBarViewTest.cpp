#include "ui/popover/MenuBarView.h"

#include "engine/ConnectionEngine.h"
#include "supervision/ConnectionsManager.h"
#include "support/EngineTestServices.h"
#include "support/FakeNetworkPathSource.h"
#include "support/FtpTestServer.h"
#include "support/ui/UiTestSupport.h"
#include "ui/common/StatusPalette.h"
#include "ui/popover/ClickableArea.h"
#include "ui/popover/ConnectionRow.h"
#include "ui/popover/ElidedLabel.h"
#include "ui/popover/InlineStepper.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QHash>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

namespace {

// Receives the URLs the view asks the desktop to open, instead of a file manager.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

// The strongest contrast in a button's text part (right of its icon) against its most common colour.
double textContrast(QWidget* button)
{
    QWidget* window = button->window();
    const QImage image = window->grab(QRect(button->mapTo(window, QPoint()), button->size())).toImage();
    QHash<QRgb, int> counts;
    const int left = std::min(image.width() / 2, 30 * int(image.devicePixelRatio()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = left; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    const QList<QRgb> colours = counts.keys();
    const QColor background = *std::max_element(colours.cbegin(), colours.cend(),
                                                [&](QRgb a, QRgb b) { return counts[a] < counts[b]; });
    double best = 1;
    for (const QRgb c : colours)
        best = std::max(best, StatusPalette::contrast(QColor(c), background));
    return best;
}

class MenuBarViewTest : public EngineTestFixture {
protected:
    void makeView(const QList<PushConnection>& connections)
    {
        store.setData(ConnectionsManager::kConnectionsKey, PushConnection::encodeList(connections));
        manager = std::make_unique<ConnectionsManager>(services, &network, nullptr);
        manager->setEngineConfigurator([](ConnectionEngine& engine) {
            engine.setMinSpinnerVisibilityMs(0);
            engine.setStabilityIntervalSeconds(0.2);
        });
        const auto note = [this](const char* what) { return [this, what] { calls << QLatin1String(what); }; };
        const auto open = [this](const QUuid& id) { calls << id.toString(); };
        const MenuBarActions actions{
            note("settings"), note("log"), note("history"), note("about"), note("quit"),
            note("add"),      open,        note("updates")};
        view = std::make_unique<MenuBarView>(*manager, settings, stats, history, actions);
        view->resize(360, 500);
        manager->startAll();
        view->show();
        settle();
    }

    // Lets queued signals of the core and then the view's coalesced refresh run.
    void settle() const
    {
        QTest::qWait(50);
        (void)QTest::qWaitFor([this] { return !view->hasPendingRefresh(); });
    }

    ConnectionRow* row(const QString& name) const
    {
        const QList<ConnectionRow*> rows = view->connectionRows();
        const auto it =
            std::find_if(rows.begin(), rows.end(), [&](auto* r) { return r->connection().name == name; });
        return it == rows.end() ? nullptr : *it;
    }

    PushConnection stored(const QUuid& id) const { return storedConnection(*manager, id); }

    void click(QAbstractButton* button)
    {
        ASSERT_TRUE(button->isVisibleTo(view.get()) && button->isEnabled())
            << button->accessibleName().toStdString();
        button->click();
        settle();
    }

    FakeNetworkPathSource network;
    FtpTestServer server;
    std::unique_ptr<ConnectionsManager> manager;
    std::unique_ptr<MenuBarView> view;
    QStringList calls;
};

} // namespace

TEST_F(MenuBarViewTest, RowsRecentUploadsAndBannersFollowTheCore)
{
    PushConnection watching = loopbackConnection(u"Studio"_s);
    watching.simultaneousUploads = 1;
    watching.scheduleEnabled = true;
    PushConnection hostless = loopbackConnection(u"Draft"_s);
    hostless.host.clear();
    PushConnection off = loopbackConnection(u"Archive"_s, false);
    off.stabilityCheckSeconds = 40;
    off.simultaneousUploads = 5;
    off.iptcEnabled = true;
    const IPTCKeywordEntry named{QUuid::createUuid(), u"Press"_s, u"press-2026"_s};
    const IPTCKeywordEntry unnamed{QUuid::createUuid(), QString(), u"agency-feed"_s};
    off.iptcKeywords = {named, unnamed};
    off.selectedIPTCKeywordID = unnamed.id;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // The service keeps the newest first: add the oldest first.
    const std::tuple<const char*, qint64, qint64> uploads[] = {
        {"older.pdf", 10, 23 * 3600},
        {"interview-final-cut.mov", 734'000'000, 25 * 3600},
        {"IMG_2041.JPG", 2'400'000, 59 * 60},
        {"broken.zip", 5, 10},
        {"notes.txt", 1'500, 30}};
    for (const auto& [name, bytes, secondsAgo] : uploads) {
        history.add({.timestamp = now.addSecs(-secondsAgo),
                     .filename = QLatin1String(name),
                     .bytes = bytes,
                     .error = bytes == 5 ? std::optional<QString>(u"Login refused"_s) : std::nullopt});
    }
    stats.recordUpload(2'400'000);
    stats.recordUpload(1'500);
    makeView({watching, hostless, off});

    // Recent uploads skip failures and show sizes and ages.
    ASSERT_TRUE(QTest::qWaitFor([this] { return view->recentLines().size() == 3; }));
    const QStringList recent = view->recentLines();
    EXPECT_TRUE(recent[0].startsWith("notes.txt|") && recent[0].endsWith("|now")) << recent[0].toStdString();
    EXPECT_TRUE(recent[1].startsWith("IMG_2041.JPG|2.4 MB|59m")) << recent[1].toStdString();
    EXPECT_TRUE(recent[2].endsWith("|1d")) << recent[2].toStdString();
    EXPECT_EQ(view->activityLines(), QStringList()) << "no transfers";
    EXPECT_EQ(view->statisticsLines(), (QStringList{stats.todaySummary(), stats.totalSummary(), "just now"}));
    saveScreenshot(view.get(), u"popover-idle"_s);
    // Showing the popover again clears what arrived unread meanwhile.
    view->hide();
    manager->setUnreadCount(4);
    view->show();
    EXPECT_EQ(manager->unreadCount(), 0);

    ASSERT_EQ(view->connectionRows().size(), 2) << "the connection without a host is not listed";
    // Every control has a name a screen reader can say and is reached with Tab, the rows before the
    // controls below them.
    EXPECT_EQ(controlsWithoutAccessibleName(view.get()).join(", "), "");
    QList<QWidget*> chain;
    for (QWidget* w = view->nextInFocusChain(); w != view.get(); w = w->nextInFocusChain())
        chain << w;
    int checked = 0;
    for (QAbstractButton* button : view->findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(view.get()) && button->isEnabled()) {
            ++checked;
            EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus) << button->accessibleName().toStdString();
            EXPECT_TRUE(chain.contains(button)) << button->accessibleName().toStdString();
        }
    }
    EXPECT_GE(checked, 20);
    EXPECT_LT(chain.indexOf(view->connectionRows().last()->powerButton()),
              chain.indexOf(view->pauseButton()));
    EXPECT_EQ(view->headerStatusText(), "2 active connections") << "the header counts every enabled one";
    EXPECT_EQ(row("Studio")->statusText(), "Connected");
    EXPECT_EQ(row("Archive")->statusText(), "Disabled");
    EXPECT_EQ(row("Archive")->keywordButton()->text(), "agency-feed");
    EXPECT_FALSE(row("Studio")->keywordButton()->isVisibleTo(view.get()));

    // Steppers store through the manager (their bounds are MenuBarPresentationTest's).
    click(row("Studio")->uploadsStepper()->increaseButton());
    EXPECT_EQ(stored(watching.id).simultaneousUploads, 2);
    click(row("Archive")->stabilityStepper()->increaseButton());
    EXPECT_EQ(stored(off.id).stabilityCheckSeconds, 30);
    EXPECT_EQ(row("Archive")->stabilityStepper()->value(), "30s");

    QMenu* presets = row("Archive")->keywordButton()->menu();
    ASSERT_EQ(presets->actions().size(), 3);
    EXPECT_TRUE(presets->actions()[2]->isChecked());
    presets->actions()[1]->trigger();
    settle();
    EXPECT_EQ(stored(off.id).selectedIPTCKeywordID, named.id);
    EXPECT_EQ(row("Archive")->keywordButton()->text(), "Press");
    row("Archive")->keywordButton()->menu()->actions()[0]->trigger();
    settle();
    EXPECT_EQ(stored(off.id).selectedIPTCKeywordID, std::nullopt);
    EXPECT_EQ(row("Archive")->keywordButton()->text(), "No preset");

    click(row("Archive")->powerButton());
    EXPECT_TRUE(stored(off.id).isEnabled);
    EXPECT_EQ(row("Archive")->statusText() + '|' + view->headerStatusText(),
              "Connected|3 active connections");
    click(row("Studio")->powerButton());
    EXPECT_EQ(manager->engine(watching.id), nullptr);
    EXPECT_EQ(row("Studio")->statusText(), "Disabled");

    click(view->pauseButton());
    EXPECT_EQ(view->pauseButton()->text(), "Resume");
    EXPECT_EQ(view->headerStatusText(), "Paused (by you)");
    EXPECT_EQ(row("Archive")->statusText(), "Paused (by you)");
    // A reason of the connection's own stays in its row when the user resumes.
    manager->setHeld(off.id, PauseReasons::Reason::schedule, true);
    settle();
    EXPECT_EQ(row("Archive")->statusText(), "Paused (by you, outside the scheduled hours)");
    click(view->pauseButton());
    EXPECT_EQ(view->pauseButton()->text(), "Pause");
    EXPECT_EQ(row("Archive")->statusText(), "Paused (outside the scheduled hours)");
    manager->setHeld(off.id, PauseReasons::Reason::schedule, false);
    const bool sound = settings.playSoundOnDownload();
    click(view->muteButton());
    EXPECT_EQ(settings.playSoundOnDownload(), !sound);
    EXPECT_EQ(view->muteButton()->text(), sound ? "Unmute" : "Mute");

    // Navigation goes to the shell's closures; the folder goes to the desktop.
    OpenedUrls opened;
    QDesktopServices::setUrlHandler(u"file"_s, &opened, "open");
    click(row("Archive")->folderButton());
    QDesktopServices::unsetUrlHandler(u"file"_s);
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(off.localFolder)});
    click(row("Archive")->mainArea());
    click(view->addConnectionButton());
    for (QPushButton* entry : view->footerButtons())
        click(entry);
    EXPECT_EQ(calls, (QStringList{off.id.toString(), "add", "history", "log", "settings", "updates", "about",
                                  "quit"}));
    click(view->uploadNowButton());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !logMessages().filter("Upload Now: rescanning").isEmpty(); }));

    // A network pause shows its banner; a hotspot pauses only when the user asked for it.
    network.setPath({NetworkPath::Status::satisfied, true, {NetworkPath::InterfaceType::wifi}});
    settle();
    EXPECT_EQ(view->bannerText(), "") << "a hotspot that paused nothing shows no banner";
    EXPECT_EQ(view->networkText(), "Hotspot");
    settings.setPreventSleepDuringDownloads(true);
    settle();
    EXPECT_EQ(view->bannerText(), "Sleep prevention enabled");

    settings.setPauseOnHotspot(true);
    network.setPath({NetworkPath::Status::satisfied, true, {NetworkPath::InterfaceType::wifi}});
    settle();
    EXPECT_EQ(view->bannerText(), "Paused — mobile hotspot detected");
    EXPECT_EQ(view->headerStatusText(), "Paused (metered network)");
    EXPECT_EQ(view->pauseButton()->text(), "Pause") << "the user's own pause stays at hand";
    saveScreenshot(view.get(), u"popover-paused-hotspot"_s);

    network.setPath({NetworkPath::Status::unsatisfied, false, {}});
    settle();
    EXPECT_EQ((QStringList{view->bannerText(), view->networkText(), row("Archive")->statusText()}),
              (QStringList{"Paused — no internet connection", "None", "Paused (no network)"}));
    saveScreenshot(view.get(), u"popover-paused-network"_s);

    network.setPath({NetworkPath::Status::satisfied, false, {NetworkPath::InterfaceType::wiredEthernet}});
    settle();
    EXPECT_EQ((QStringList{view->bannerText(), view->headerStatusText(), view->networkText()}),
              (QStringList{"Sleep prevention enabled", "2 active connections", "Ethernet"}));
}

// 1, 3 and 8 connections, idle, uploading and failing, light and dark: rows keep their height, counters stay
// in sight, errors are words, clickable text reads clearly; five uploads fill the list with few refreshes.
TEST_F(MenuBarViewTest, EveryStateReadsWithAnyNumberOfConnections)
{
    server.start();
    for (const int count : {1, 3, 8}) {
        SCOPED_TRACE(count);
        PushConnection studio = server.connection();
        studio.name = u"Studio %1"_s.arg(count);
        studio.isEnabled = true;
        studio.localFolder = env.makeDir(u"folders/Studio-%1"_s.arg(count));
        studio.maxBandwidthKBps = 64; // still on its way while we look
        studio.simultaneousUploads = 5;
        QList<PushConnection> connections{studio};
        for (int i = 1; i < count; ++i)
            connections << loopbackConnection(u"Office %1-%2"_s.arg(count).arg(i), i % 3 != 2);
        settings.setPreventSleepDuringDownloads(count == 3);
        makeView(connections);
        ConnectionEngine* engine = manager->engine(studio.id);
        const auto upload = [&](int files) {
            const qsizetype before = engine->activeJobs().size();
            for (int i = 0; i < files; ++i) {
                env.writeFile(u"folders/Studio-%1/clip-%2.mov"_s.arg(count).arg(before + i),
                              QByteArray(2'000'000, 'x'));
            }
            ASSERT_TRUE(QTest::qWaitFor([&] { return engine->activeJobs().size() == before + files; }));
            settle();
        };
        const auto look = [&](const QString& state) {
            for (const bool dark : {false, true}) {
                SCOPED_TRACE(state.toStdString() + (dark ? " on dark" : " on light"));
                view->setPalette(dark ? QPalette(QColor(0x3a, 0x3a, 0x3e), QColor(0x2b, 0x2b, 0x2e))
                                      : QPalette());
                settle();
                QTest::qWait(20); // the layouts of rows that changed
                saveScreenshot(view.get(),
                               u"popover-%1-"_s.arg(count) + state + (dark ? u"-dark"_s : QString()));
                for (ConnectionRow* r : view->connectionRows()) {
                    for (ElidedLabel* line : r->mainArea()->findChildren<ElidedLabel*>()) {
                        if (line->isVisible() && !line->text().isEmpty()) {
                            EXPECT_GE(line->height(), line->fontMetrics().height())
                                << line->text().toStdString();
                        }
                    }
                }
                EXPECT_EQ(view->summaryArea()->visibleRegion().boundingRect(), view->summaryArea()->rect());
                QList<QAbstractButton*> clickable{view->uploadNowButton(), view->pauseButton(),
                                                  view->muteButton()};
                for (QPushButton* entry : view->footerButtons())
                    clickable << entry;
                for (QAbstractButton* button : clickable)
                    EXPECT_GE(textContrast(button), 4.5) << button->text().toStdString();
            }
        };
        look(u"idle"_s);

        upload(count == 3 ? 3 : 1);
        if (count == 3) {
            QStringList lines = view->activityLines();
            ASSERT_EQ(lines.size(), 3) << lines.join(", ").toStdString();
            EXPECT_TRUE(lines[0].startsWith("clip-") && lines[0].endsWith("%")) << lines[0].toStdString();
            EXPECT_EQ(row(studio.name)->indicatorMode(), UploadIndicator::Mode::uploading);
            upload(2);
            lines = view->activityLines();
            ASSERT_EQ(lines.size(), 4) << lines.join(", ").toStdString();
            EXPECT_EQ(lines[3], "+2 more uploading...");
            EXPECT_EQ(row(studio.name)->statusText(), "Uploading 5 files");
            EXPECT_EQ(row(studio.name)->badgeCount(), 5);
            EXPECT_GT(view->headerDotColour().green(), view->headerDotColour().red());

            // No more refreshes than the refresh pace allows.
            const int refreshesBefore = view->jobRefreshCount();
            int reports = 0;
            const auto counting = QObject::connect(engine, &ConnectionEngine::activeJobsChanged, view.get(),
                                                   [&] { ++reports; });
            QTest::qWait(1000);
            QObject::disconnect(counting);
            EXPECT_GT(reports, 1);
            EXPECT_LE(view->jobRefreshCount() - refreshesBefore, 1000 / MenuBarView::kProgressRefreshMs + 2)
                << reports << " reports";
        }
        look(u"uploading"_s);

        if (count > 1) {
            env.writeFile(u"folders/Office %1-1/a.jpg"_s.arg(count), "x");
            ASSERT_TRUE(QTest::qWaitFor([&] { return manager->engine(connections[1].id)->state().isError(); },
                                        30000));
        } else {
            server.stop();
            ASSERT_TRUE(QTest::qWaitFor([&] { return engine->state().isError(); }, 30000));
        }
        settle();
        EXPECT_EQ(view->headerStatusText(), "1 connection has an error");
        EXPECT_GT(view->headerDotColour().red(), 200);
        EXPECT_FALSE(view->connectionRows()[count > 1 ? 1 : 0]->statusText().startsWith("curl error"));
        look(u"error"_s);
        if (count == 1)
            server.restart();
        view.reset();
        manager.reset();
    }
}

#include "MenuBarViewTest.moc"
