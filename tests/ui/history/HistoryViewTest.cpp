// The history window's content over a real history service: the six columns, the search over file and
// connection names, error rows in red, "Clear All", and a burst of uploads that does not rebuild the table.
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

using namespace ondrix;
using namespace ondrix::test;

namespace {

HistoryEntry entry(const QString& file, const QString& connection, qint64 bytes,
                   std::optional<QString> error = std::nullopt)
{
    HistoryEntry made;
    made.timestamp = QDateTime(QDate(2025, 3, 4), QTime(14, 7, 9));
    made.filename = file;
    made.connectionName = connection;
    made.bytes = bytes;
    made.error = std::move(error);
    return made;
}

class HistoryViewTest : public ::testing::Test {
protected:
    void addAll(const QList<HistoryEntry>& entries)
    {
        for (const HistoryEntry& e : entries) {
            history.add(e);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return history.entries().size() == entries.size(); }));
    }

    QStringList listedFiles(const HistoryView& view) const
    {
        QStringList files;
        const QAbstractItemModel* rows = view.filterModel();
        for (int r = 0; r < rows->rowCount(); ++r) {
            files.append(rows->index(r, HistoryListModel::FileColumn).data().toString());
        }
        return files;
    }

    TestEnvironment env; // first: the service's file lives in it
    HistoryService history{env.dataHome() + QStringLiteral("/Ondrix/history.json")};
};

} // namespace

TEST_F(HistoryViewTest, ColumnsSearchAndErrorRowsInRed)
{
    HistoryEntry proven = entry(QStringLiteral("a.jpg"), QStringLiteral("Studio"), 2'500'000);
    proven.verifiedBy = QStringLiteral("SHA-256");
    addAll({proven,
            entry(QStringLiteral("notes.txt"), QStringLiteral("Backup Server"), 812,
                  QStringLiteral("Upload failed: connection refused")),
            entry(QStringLiteral("B.PNG"), QStringLiteral("Studio"), 0)});
    HistoryView view(history);
    view.resize(800, 500);
    view.show();
    ASSERT_TRUE(view.isShowingTable());
    const QAbstractItemModel* rows = view.filterModel();
    // The error is read whole, in its column and in its tool tip.
    const QString failure = QStringLiteral("Upload failed: connection refused");
    EXPECT_GT(view.table()->horizontalHeader()->sectionSize(HistoryListModel::ErrorColumn),
              view.table()->fontMetrics().horizontalAdvance(failure) + 12);
    EXPECT_EQ(view.filterModel()->index(1, HistoryListModel::ErrorColumn).data(Qt::ToolTipRole), failure);

    // Newest first: the failed upload is the middle row.
    EXPECT_EQ(listedFiles(view),
              QStringList({QStringLiteral("B.PNG"), QStringLiteral("notes.txt"), QStringLiteral("a.jpg")}));
    const QColor red = HistoryListModel::errorColor();
    const QColor green = HistoryListModel::successColor();
    const auto cell = [rows](int row, int column, int role = Qt::DisplayRole) {
        return rows->index(row, column).data(role);
    };
    EXPECT_EQ(cell(1, HistoryListModel::StatusColumn).toString(), QStringLiteral("Error"));
    EXPECT_EQ(cell(1, HistoryListModel::StatusColumn, Qt::ForegroundRole).value<QColor>(), red);
    EXPECT_EQ(cell(1, HistoryListModel::ErrorColumn, Qt::ForegroundRole).value<QColor>(), red);
    EXPECT_EQ(cell(2, HistoryListModel::StatusColumn).toString(), QStringLiteral("Success"));
    EXPECT_EQ(cell(2, HistoryListModel::StatusColumn, Qt::ForegroundRole).value<QColor>(), green);
    // How the delivery was proven is the status's tool tip; an unproven one has none.
    EXPECT_EQ(cell(2, HistoryListModel::StatusColumn, Qt::ToolTipRole).toString(), "SHA-256 verified");
    EXPECT_FALSE(cell(0, HistoryListModel::StatusColumn, Qt::ToolTipRole).isValid());
    EXPECT_EQ(cell(2, HistoryListModel::TimeColumn).toString(), QStringLiteral("14:07:09"));
    EXPECT_EQ(cell(2, HistoryListModel::SizeColumn).toString(), QStringLiteral("2.5 MB"));
    EXPECT_EQ(cell(2, HistoryListModel::ConnectionColumn).toString(), QStringLiteral("Studio"));
    saveScreenshot(&view, QStringLiteral("history"));
    EXPECT_EQ(controlsWithoutAccessibleName(&view).join(QStringLiteral(", ")), QString());

    QLineEdit* search = view.searchField();
    QTest::keyClicks(search, QStringLiteral("JPG"));
    EXPECT_EQ(listedFiles(view), QStringList({QStringLiteral("a.jpg")}));
    saveScreenshot(&view, QStringLiteral("history-search"));
    search->setText(QStringLiteral("png"));
    EXPECT_EQ(listedFiles(view), QStringList({QStringLiteral("B.PNG")}));
    search->setText(QStringLiteral("backup"));
    EXPECT_EQ(listedFiles(view), QStringList({QStringLiteral("notes.txt")}));
    // A search stays applied to uploads that arrive meanwhile.
    history.add(entry(QStringLiteral("report.pdf"), QStringLiteral("Backup Server"), 10));
    ASSERT_TRUE(QTest::qWaitFor([&] { return listedFiles(view).size() == 2; }));
    search->setText(QStringLiteral("nothing like it"));
    EXPECT_EQ(rows->rowCount(), 0);
    EXPECT_FALSE(view.isShowingTable());
    EXPECT_EQ(view.emptyLabel()->text(), QStringLiteral("No upload history."));
    search->clear();
    EXPECT_EQ(rows->rowCount(), 4);
    EXPECT_TRUE(view.isShowingTable());

    view.clearAllButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view.isShowingTable(); }));
    EXPECT_EQ(view.model()->rowCount(), 0);
    saveScreenshot(&view, QStringLiteral("history-empty"));
}

TEST_F(HistoryViewTest, ABurstOfUploadsUpdatesTheTableInAFewSteps)
{
    QList<HistoryEntry> earlier;
    for (int i = 0; i < HistoryService::maxEntries; ++i) {
        earlier.append(entry(QStringLiteral("old%1.jpg").arg(i), QStringLiteral("Studio"), i));
    }
    addAll(earlier);
    HistoryView view(history);
    view.resize(800, 500);
    view.show();
    ASSERT_EQ(view.model()->rowCount(), HistoryService::maxEntries);

    for (int i = 0; i < 1000; ++i) {
        history.add(entry(QStringLiteral("new%1.jpg").arg(i), QStringLiteral("Studio"), i));
    }
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return view.model()->entryAt(0).filename == QStringLiteral("new999.jpg"); }));
    EXPECT_EQ(view.model()->entries(), history.entries());
    // Far fewer updates than uploads (how many depends on how the burst meets the event loop).
    EXPECT_LT(view.model()->syncCount(), 20);
}
