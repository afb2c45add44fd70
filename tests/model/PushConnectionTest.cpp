#include "model/PushConnection.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace ondrix;

namespace {

QJsonObject roundTrip(const PushConnection& connection)
{
    return QJsonDocument::fromJson(PushConnection::encodeList({connection})).array().at(0).toObject();
}

std::optional<PushConnection> decode(const QJsonObject& object)
{
    return PushConnection::fromJson(object);
}

QJsonObject storedRecord()
{
    return PushConnection().toJson();
}

} // namespace

TEST(PushConnection, EveryFieldSurvivesTheStoredList)
{
    PushConnection a;
    a.name = "Agency ✓";
    a.isEnabled = true;
    a.transferProtocol = TransferProtocol::sftp;
    a.host = " example.test\n";
    a.port = 2222;
    a.username = "u";
    a.password = "p\"w";
    a.sshKeyPath = "/k";
    a.ftpMode = FTPMode::active;
    a.localFolder = "/l";
    a.remoteFolder = "/r";
    a.preserveSubdirectories = false;
    a.monitorSubdirectories = false;
    a.deleteLocalAfterUpload = true;
    a.conflictResolution = ConflictMode::skip;
    a.simultaneousUploads = 5;
    a.stabilityCheckSeconds = 7;
    a.maxBandwidthKBps = 1024;
    a.extensionPreset = "images";
    a.includedExtensions = "jpg, png";
    a.excludedExtensions = "tmp";
    a.minFileSizeBytes = 5'000'000'000;
    a.downloadUnspecifiedExtensions = false;
    a.scheduleEnabled = true;
    a.scheduleStartHour = 22;
    a.scheduleEndHour = 6;
    a.scheduleDays = {0, 6};
    a.postUploadAction = PostUploadAction::runScript("/bin/s");
    a.iptcEnabled = true;
    a.iptcKeywords = {IPTCKeywordEntry{QUuid::createUuid(), "N", "K"}};
    a.selectedIPTCKeywordID = a.iptcKeywords.first().id;
    a.finderTagsEnabled = false;
    a.useTemporaryName = false;
    PushConnection b;
    b.postUploadAction = PostUploadAction::moveToArchive("/archive");

    const auto decoded = PushConnection::decodeList(PushConnection::encodeList({a, b}));
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 2);
    EXPECT_EQ(decoded->at(0), a);
    EXPECT_EQ(decoded->at(1), b);
    EXPECT_NE(a, b);
}

TEST(PushConnection, StrictDecodingFailsTheRecordAndTheList)
{
    // The stored record with `key` set to `value`, or without `key`.
    const auto record = [](const char* key, const QJsonValue& value = QJsonValue::Undefined) {
        QJsonObject object = storedRecord();
        value.isUndefined() ? object.remove(key) : void(object[key] = value);
        return object;
    };
    // Lists stored before the temporary-name option existed keep sending under the real name.
    const auto older = decode(record("useTemporaryName"));
    ASSERT_TRUE(older);
    EXPECT_FALSE(older->useTemporaryName);
    QString error;
    EXPECT_FALSE(PushConnection::fromJson(record("finderTagsEnabled"), &error));
    EXPECT_TRUE(error.contains("finderTagsEnabled")) << error.toStdString();
    for (const char* key : {"id", "postUploadAction"}) {
        EXPECT_FALSE(decode(record(key))) << key;
    }
    const std::pair<const char*, QJsonValue> invalid[] = {
        {"transferProtocol", "ftp"},
        {"ftpMode", "passive"},
        {"conflictResolution", "Ask"},
        {"port", "21"},
        {"port", 21.5},
        {"isEnabled", 1},
        {"name", QJsonValue::Null},
        {"id", "not-a-uuid"},
        {"scheduleDays", QJsonArray({1, "2"})},
        {"postUploadAction", QJsonObject({{"type", "runScript"}})},
        {"postUploadAction", QJsonObject({{"path", "/x"}})},
    };
    for (const auto& [key, value] : invalid) {
        EXPECT_FALSE(decode(record(key, value))) << key;
    }
    EXPECT_TRUE(decode(record("transferProtocol", "FTPS")));
    EXPECT_TRUE(decode(record("id", storedRecord()["id"].toString().toLower())));

    const auto other = decode(record("postUploadAction", QJsonObject({{"type", "email"}, {"path", "/x"}})));
    ASSERT_TRUE(other);
    EXPECT_EQ(other->postUploadAction, PostUploadAction::none());

    QJsonArray list{storedRecord(), record("transferProtocol", "ftp")};
    EXPECT_FALSE(PushConnection::decodeList(QJsonDocument(list).toJson()));
    EXPECT_FALSE(PushConnection::decodeList("{\"id\": 1}"));
    EXPECT_FALSE(PushConnection::decodeList("[1]"));
    EXPECT_FALSE(PushConnection::decodeList("[{]"));
    EXPECT_FALSE(PushConnection::decodeList(QByteArray()));
    const auto empty = PushConnection::decodeList("[]");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->isEmpty());
}

TEST(PushConnection, LegacyKeywordIsMigratedToOneSelectedPreset)
{
    QJsonObject legacy = storedRecord();
    legacy.remove("iptcEnabled");
    legacy.remove("iptcKeywords");
    legacy["iptcKeyword"] = "  sunset\n";
    // Written before presets existed, so a stray newer key is not read.
    legacy["selectedIPTCKeywordID"] = QUuid::createUuid().toString(QUuid::WithoutBraces);

    const auto migrated = decode(legacy);
    ASSERT_TRUE(migrated);
    EXPECT_TRUE(migrated->iptcEnabled);
    ASSERT_EQ(migrated->iptcKeywords.size(), 1);
    EXPECT_EQ(migrated->iptcKeywords[0].name, "sunset");
    EXPECT_EQ(migrated->iptcKeywords[0].keyword, "sunset");
    EXPECT_EQ(migrated->selectedIPTCKeywordID, migrated->iptcKeywords[0].id);
    EXPECT_EQ(migrated->effectiveIPTCKeyword(), "sunset");
    const QJsonObject again = roundTrip(*migrated);
    EXPECT_FALSE(again.contains("iptcKeyword"));
    EXPECT_EQ(decode(again), migrated);

    legacy["iptcKeyword"] = " \n\t ";
    const auto blank = decode(legacy);
    ASSERT_TRUE(blank);
    EXPECT_FALSE(blank->iptcEnabled);
    EXPECT_TRUE(blank->iptcKeywords.isEmpty());
    EXPECT_FALSE(blank->selectedIPTCKeywordID);

    legacy["iptcKeyword"] = 42; // not a string counts as empty
    ASSERT_TRUE(decode(legacy));
    EXPECT_FALSE(decode(legacy)->iptcEnabled);

    QJsonObject current = storedRecord();
    current["iptcEnabled"] = true;
    current.remove("iptcKeywords");
    current["iptcKeyword"] = "ignored";
    const auto noPresets = decode(current);
    ASSERT_TRUE(noPresets);
    EXPECT_TRUE(noPresets->iptcEnabled);
    EXPECT_TRUE(noPresets->iptcKeywords.isEmpty());
    EXPECT_FALSE(noPresets->selectedIPTCKeywordID);

    current["iptcKeywords"] =
        QJsonArray({QJsonObject({{"id", QUuid::createUuid().toString()}, {"name", "x"}})});
    current["selectedIPTCKeywordID"] = 7;
    const auto unreadable = decode(current);
    ASSERT_TRUE(unreadable);
    EXPECT_TRUE(unreadable->iptcKeywords.isEmpty());
    EXPECT_FALSE(unreadable->selectedIPTCKeywordID);
}

TEST(PushConnection, EffectiveKeywordNeedsSwitchSelectionAndEntry)
{
    PushConnection c;
    IPTCKeywordEntry entry{QUuid::createUuid(), "Label", " \n word \t"};
    c.iptcKeywords = {entry};
    c.selectedIPTCKeywordID = entry.id;
    EXPECT_EQ(c.effectiveIPTCKeyword(), std::nullopt);
    c.iptcEnabled = true;
    EXPECT_EQ(c.effectiveIPTCKeyword(), "word");
    c.selectedIPTCKeywordID = QUuid::createUuid();
    EXPECT_EQ(c.effectiveIPTCKeyword(), std::nullopt);
    c.selectedIPTCKeywordID.reset();
    EXPECT_EQ(c.effectiveIPTCKeyword(), std::nullopt);
    c.iptcKeywords[0].keyword = "  ";
    c.selectedIPTCKeywordID = entry.id;
    EXPECT_EQ(c.effectiveIPTCKeyword(), QString());
}
