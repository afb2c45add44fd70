#include "ui/log/LogView.h"

#include "records/LogService.h"
#include "support/TestEnvironment.h"
#include "support/ui/UiTestSupport.h"
#include "ui/log/LogListModel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

TEST(LogView, RowsCopyAllFollowingAndClearing)
{
    TestEnvironment env;
    int stamps = 0;
    // Every entry is stamped 2 January 2025, 09:05:03 local time, one second apart.
    LogService log{env.stateHome() + u"/Ondrix/Ondrix.log"_s,
                   [&stamps] { return QDateTime(QDate(2025, 1, 2), QTime(9, 5, 3)).addSecs(stamps++); }};
    LogView view(log);
    view.resize(600, 400);
    view.show();
    EXPECT_FALSE(view.isShowingList());
    EXPECT_EQ(view.emptyLabel()->text(), u"No log entries yet."_s);
    saveScreenshot(&view, u"log-empty"_s);

    log.log(u"[Studio] Disk almost full"_s, LogEntry::LogLevel::warning);
    log.log(u"Uploaded a.jpg"_s, LogEntry::LogLevel::success);
    log.log(u"Refused\nby server"_s, LogEntry::LogLevel::error);
    log.log(u"Watching"_s, LogEntry::LogLevel::info);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.model()->rowCount() == 4; }));
    EXPECT_TRUE(view.isShowingList());
    const QAbstractItemModel* model = view.model();
    EXPECT_EQ(model->index(0, LogListModel::TimeColumn).data().toString(), u"09:05:03"_s);
    EXPECT_EQ(model->index(0, LogListModel::LevelColumn).data(Qt::ToolTipRole).toString(), u"Warning"_s);
    EXPECT_FALSE(model->index(0, LogListModel::LevelColumn).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_EQ(model->index(0, LogListModel::MessageColumn).data().toString(), u"[Studio] Disk almost full"_s);
    QGuiApplication::clipboard()->setText(u"something older"_s);
    view.copyAllButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("[2025-01-02 09:05:03] [WARN] [Studio] Disk almost full\n"
                             "[2025-01-02 09:05:04] [OK  ] Uploaded a.jpg\n"
                             "[2025-01-02 09:05:05] [ERR ] Refused\\nby server\n"
                             "[2025-01-02 09:05:06] [INFO] Watching"));
    saveScreenshot(&view, u"log-levels"_s);
    EXPECT_EQ(controlsWithoutAccessibleName(&view).join(u", "_s), QString());

    for (int i = 0; i < 150; ++i) {
        log.log(u"Queued: file%1.jpg"_s.arg(i), LogEntry::LogLevel::info);
    }
    // The newest hundred, oldest first, and scrolled to the bottom.
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.model()->rowCount() == LogService::maxEntries; }));
    EXPECT_EQ(view.model()->entryAt(0).message, u"Queued: file50.jpg"_s);
    QScrollBar* scroll = view.list()->verticalScrollBar();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return scroll->maximum() > 0 && scroll->value() == scroll->maximum(); }));

    const int resets = view.model()->resetCount();
    view.list()->scrollToTop();
    log.log(u"Uploaded file150.jpg"_s, LogEntry::LogLevel::success);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return view.model()->entries().constLast().message == u"Uploaded file150.jpg"_s; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return scroll->value() == scroll->maximum(); }));
    EXPECT_EQ(view.model()->resetCount(), resets) << "a new entry is added, not the list rebuilt";
    saveScreenshot(&view, u"log-full"_s);

    view.clearButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view.isShowingList(); }));
    EXPECT_EQ(view.model()->rowCount(), 0);
    saveScreenshot(&view, u"log-cleared"_s);

    log.log(u"Watching"_s, LogEntry::LogLevel::info);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.isShowingList(); }));
    EXPECT_EQ(view.model()->rowCount(), 1);
}
