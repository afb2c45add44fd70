#include "ui/browser/RemoteFolderPickerView.h"

#include "BrowserTestSupport.h"
#include "support/TestEnvironment.h"
#include "support/ui/UiTestSupport.h"
#include "ui/browser/BrowserStatePage.h"
#include "ui/browser/RemoteItemModel.h"

#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace ondrix::test;

namespace {

void waitForFolder(RemoteFolderPickerView& picker, const QString& path)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return picker.currentPath() == path && picker.isShowingListing(); },
                                kServerWaitMs))
        << picker.currentPath().toStdString() << ": " << picker.statePage()->text().toStdString();
}

QStringList shownNames(RemoteFolderPickerView& picker)
{
    QStringList names;
    for (int row = 0; row < picker.listingModel()->rowCount(); ++row)
        names << picker.listingModel()->index(row, 0).data().toString();
    return names;
}

void clickRow(RemoteFolderPickerView& picker, int row)
{
    QListView* list = picker.folderList();
    const QRect rect = list->visualRect(list->model()->index(row, RemoteItemModel::NameColumn));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

// Walks folders only and hands back the chosen one; a missing start folder shows the error.
TEST(RemoteFolderPickerView, WalksFoldersAndReturnsTheChosenOneOrNothing)
{
    const TestEnvironment env;
    QThreadPool pool;
    BrowserTestServer server(TransferProtocol::sftp);
    server.makeFile("/photos/cover.jpg");
    server.makeFolder("/photos/2024/jan");
    server.makeFolder("/photos/2023");
    server.makeFolder("/docs");

    RemoteFolderPickerView picker(server.connection(), pool, "/photos/");
    QSignalSpy selected(&picker, &RemoteFolderPickerView::folderSelected);
    picker.show();
    waitForFolder(picker, "/photos");
    EXPECT_EQ(shownNames(picker), QStringList({"2023", "2024"}));
    saveScreenshot(&picker, "folder-picker");
    EXPECT_EQ(controlsWithoutAccessibleName(&picker).join('\n').toStdString(), "");

    clickRow(picker, 1);
    waitForFolder(picker, "/photos/2024");
    EXPECT_EQ(picker.history(), QStringList({"/photos"}));
    clickRow(picker, 0);
    waitForFolder(picker, "/photos/2024/jan");
    EXPECT_EQ(picker.statePage()->title(), "No subfolders");
    picker.goBack();
    waitForFolder(picker, "/photos/2024");
    picker.goUp();
    waitForFolder(picker, "/photos");
    picker.selectButton()->click();
    EXPECT_EQ(selected, QList<QVariantList>({{"/photos"}}));
    EXPECT_EQ(picker.result(), QDialog::Accepted);

    RemoteFolderPickerView missing(server.connection(), pool, "missing");
    QSignalSpy missingSelected(&missing, &RemoteFolderPickerView::folderSelected);
    QSignalSpy shown(&missing, &RemoteFolderPickerView::listingShown);
    missing.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }, kServerWaitMs));
    EXPECT_EQ(missing.currentPath(), "/missing");
    EXPECT_TRUE(missing.statePage()->text().contains("\ncurl error "))
        << missing.statePage()->text().toStdString();
    EXPECT_EQ(missing.statePage()->button()->text(), "Retry");
    saveScreenshot(&missing, "folder-picker-error");
    missing.goUp();
    waitForFolder(missing, "/");
    EXPECT_EQ(shownNames(missing), QStringList({"docs", "photos"}));
    QTest::keyClick(&missing, Qt::Key_Escape);
    EXPECT_TRUE(missing.result() == QDialog::Rejected && missingSelected.isEmpty());
}
