#include "ui/history/HistoryView.h"

#include "records/HistoryService.h"
#include "support/TestEnvironment.h"
#include "support/ui/UiTestSupport.h"
#include "ui/history/HistoryFilterModel.h"
#include "ui/history/HistoryListModel.h"

#include <QColor>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

namespace {

HistoryEntry entry(const QString& file, const QString& connection, qint64 bytes,
                   std::optional<QString> error = std::nullopt)
{
    return {.timestamp = QDateTime(QDate(2025, 3, 4), QTime(14, 7, 9)),
            .filename = file,
            .bytes = bytes,
            .connectionName = connection,
            .error = std::move(error)};
}

} // namespace

TEST(HistoryView, ColumnsSearchErrorRowsInRedAndABurstOfUploads)
{
    TestEnvironment env; // first: the service's file lives in it
    HistoryService history{env.dataHome() + u"/Ondrix/history.json"_s};
    HistoryEntry proven = entry(u"a.jpg"_s, u"Studio"_s, 2'500'000);
    proven.verifiedBy = u"SHA-256"_s;
    for (const HistoryEntry& e :
         {proven, entry(u"notes.txt"_s, u"Backup Server"_s, 812, u"Upload failed: connection refused"_s),
          entry(u"B.PNG"_s, u"Studio"_s, 0)}) {
        history.add(e);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return history.entries().size() == 3; }));
    HistoryView view(history);
    view.resize(800, 500);
    view.show();
    const auto listedFiles = [&view] {
        QStringList files;
        for (int r = 0; r < view.filterModel()->rowCount(); ++r)
            files.append(view.filterModel()->index(r, HistoryListModel::FileColumn).data().toString());
        return files;
    };
    ASSERT_TRUE(view.isShowingTable());
    const QAbstractItemModel* rows = view.filterModel();
    // The error is read whole, in its column and in its tool tip.
    const QString failure = u"Upload failed: connection refused"_s;
    EXPECT_GT(view.table()->horizontalHeader()->sectionSize(HistoryListModel::ErrorColumn),
              view.table()->fontMetrics().horizontalAdvance(failure) + 12);
    EXPECT_EQ(view.filterModel()->index(1, HistoryListModel::ErrorColumn).data(Qt::ToolTipRole), failure);

    EXPECT_EQ(listedFiles(), QStringList({u"B.PNG"_s, u"notes.txt"_s, u"a.jpg"_s}));
    const auto cell = [rows](int row, int column, int role = Qt::DisplayRole) {
        return rows->index(row, column).data(role);
    };
    EXPECT_EQ(cell(1, HistoryListModel::StatusColumn, Qt::ForegroundRole).value<QColor>(),
              HistoryListModel::errorColor());
    EXPECT_EQ(cell(1, HistoryListModel::ErrorColumn, Qt::ForegroundRole).value<QColor>(),
              HistoryListModel::errorColor());
    EXPECT_EQ(cell(2, HistoryListModel::StatusColumn, Qt::ForegroundRole).value<QColor>(),
              HistoryListModel::successColor());
    // How the delivery was proven is the status's tool tip; an unproven one has none.
    EXPECT_EQ(cell(2, HistoryListModel::StatusColumn, Qt::ToolTipRole).toString(), "SHA-256 verified");
    EXPECT_FALSE(cell(0, HistoryListModel::StatusColumn, Qt::ToolTipRole).isValid());
    EXPECT_EQ((QVariantList{cell(1, HistoryListModel::StatusColumn), cell(2, HistoryListModel::StatusColumn),
                            cell(2, HistoryListModel::TimeColumn), cell(2, HistoryListModel::SizeColumn),
                            cell(2, HistoryListModel::ConnectionColumn)}),
              (QVariantList{u"Error"_s, u"Success"_s, u"14:07:09"_s, u"2.5 MB"_s, u"Studio"_s}));
    saveScreenshot(&view, u"history"_s);
    EXPECT_EQ(controlsWithoutAccessibleName(&view).join(u", "_s), QString());

    QLineEdit* search = view.searchField();
    QTest::keyClicks(search, u"JPG"_s);
    EXPECT_EQ(listedFiles(), QStringList({u"a.jpg"_s}));
    saveScreenshot(&view, u"history-search"_s);
    search->setText(u"backup"_s);
    EXPECT_EQ(listedFiles(), QStringList({u"notes.txt"_s}));
    // A search stays applied to uploads that arrive meanwhile.
    history.add(entry(u"report.pdf"_s, u"Backup Server"_s, 10));
    ASSERT_TRUE(QTest::qWaitFor([&] { return listedFiles().size() == 2; }));
    search->setText(u"nothing like it"_s);
    EXPECT_FALSE(view.isShowingTable());
    EXPECT_EQ(view.emptyLabel()->text(), u"No upload history."_s);
    search->clear();
    EXPECT_TRUE(rows->rowCount() == 4 && view.isShowingTable());

    view.clearAllButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view.isShowingTable(); }));
    EXPECT_EQ(view.model()->rowCount(), 0);
    saveScreenshot(&view, u"history-empty"_s);

    for (int i = 0; i < HistoryService::maxEntries; ++i)
        history.add(entry(u"old%1.jpg"_s.arg(i), u"Studio"_s, i));
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.model()->rowCount() == HistoryService::maxEntries; }));
    const int syncs = view.model()->syncCount();
    for (int i = 0; i < 1000; ++i)
        history.add(entry(u"new%1.jpg"_s.arg(i), u"Studio"_s, i));
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.model()->entryAt(0).filename == u"new999.jpg"_s; }));
    EXPECT_EQ(view.model()->entries(), history.entries());
    // Far fewer updates than uploads (how many depends on how the burst meets the event loop).
    EXPECT_LT(view.model()->syncCount() - syncs, 20);
}
