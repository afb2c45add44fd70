#include "model/PushConnection.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace ondrix;

namespace {

std::optional<PushConnection> decode(const QJsonObject& object)
{
    return PushConnection::fromJson(object);
}

// The stored record of a new connection with `changes` made; an undefined value removes its key.
QJsonObject storedRecord(std::initializer_list<std::pair<const char*, QJsonValue>> changes = {})
{
    QJsonObject object = PushConnection().toJson();
    for (const auto& [key, value] : changes) {
        object.insert(QLatin1String(key), value);
    }
    return object;
}

const QJsonValue absent = QJsonValue::Undefined;

} // namespace

// Every field under the name it is stored by, none at its default: the list is read and written back key for
// key.
TEST(PushConnection, EveryFieldSurvivesTheStoredList)
{
    const QByteArray stored = R"([{"id": "0E1D4F5C-8A4B-4C7E-9D1A-2B3C4D5E6F70", "name": "Agency ✓",
        "isEnabled": true, "transferProtocol": "SFTP", "host": " example.test\n", "port": 2222, "username": "u",
        "password": "p\"w", "sshKeyPath": "/k", "ftpMode": "Active", "localFolder": "/l", "remoteFolder": "/r",
        "preserveSubdirectories": false, "monitorSubdirectories": false, "deleteLocalAfterUpload": true,
        "conflictResolution": "Skip", "simultaneousUploads": 5, "stabilityCheckSeconds": 7,
        "maxBandwidthKBps": 1024, "extensionPreset": "images", "includedExtensions": "jpg, png",
        "excludedExtensions": "tmp", "minFileSizeBytes": 5000000000, "downloadUnspecifiedExtensions": false,
        "scheduleEnabled": true, "scheduleStartHour": 22, "scheduleEndHour": 6, "scheduleDays": [0, 6],
        "postUploadAction": {"type": "runScript", "path": "/bin/s"}, "iptcEnabled": true,
        "iptcKeywords": [{"id": "7A1D4F5C-8A4B-4C7E-9D1A-2B3C4D5E6F70", "name": "N", "keyword": "K"}],
        "selectedIPTCKeywordID": "7A1D4F5C-8A4B-4C7E-9D1A-2B3C4D5E6F70", "finderTagsEnabled": false,
        "useTemporaryName": false}])";
    const auto decoded = PushConnection::decodeList(stored);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(QJsonDocument::fromJson(PushConnection::encodeList(*decoded)), QJsonDocument::fromJson(stored));
    EXPECT_EQ(decoded->first().effectiveIPTCKeyword(), "K");
    const PushConnection archive{.postUploadAction = PostUploadAction::moveToArchive("/archive")};
    EXPECT_EQ(PushConnection::decodeList(PushConnection::encodeList({archive})),
              QList<PushConnection>{archive});
}

TEST(PushConnection, StrictDecodingFailsTheRecordAndTheList)
{
    // Lists stored before the temporary-name option existed keep sending under the real name.
    EXPECT_FALSE(decode(storedRecord({{"useTemporaryName", absent}})).value().useTemporaryName);
    QString error;
    EXPECT_FALSE(PushConnection::fromJson(storedRecord({{"finderTagsEnabled", absent}}), &error));
    EXPECT_TRUE(error.contains("finderTagsEnabled")) << error.toStdString();
    const std::pair<const char*, QJsonValue> invalid[] = {
        {"id", absent},
        {"postUploadAction", absent},
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
        EXPECT_FALSE(decode(storedRecord({{key, value}}))) << key;
    }
    EXPECT_TRUE(decode(storedRecord({{"transferProtocol", "FTPS"}})));
    EXPECT_TRUE(decode(storedRecord({{"id", storedRecord()["id"].toString().toLower()}})));
    EXPECT_EQ(decode(storedRecord({{"postUploadAction", QJsonObject({{"type", "email"}, {"path", "/x"}})}}))
                  .value()
                  .postUploadAction,
              PostUploadAction::none());

    const QJsonArray oneBad{storedRecord(), storedRecord({{"transferProtocol", "ftp"}})};
    for (const QByteArray& list : {QJsonDocument(oneBad).toJson(), QByteArray("{\"id\": 1}"),
                                   QByteArray("[1]"), QByteArray("[{]"), QByteArray()}) {
        EXPECT_FALSE(PushConnection::decodeList(list)) << list.constData();
    }
    EXPECT_EQ(PushConnection::decodeList("[]"), QList<PushConnection>{});
}

TEST(PushConnection, LegacyKeywordIsMigratedAndTheEffectiveKeywordNeedsSwitchSelectionAndEntry)
{
    // Written before presets existed, so a stray newer key is not read.
    const auto legacy = [](const QJsonValue& keyword) {
        return storedRecord({{"iptcEnabled", absent},
                             {"iptcKeywords", absent},
                             {"iptcKeyword", keyword},
                             {"selectedIPTCKeywordID", QUuid::createUuid().toString(QUuid::WithoutBraces)}});
    };
    const PushConnection migrated = decode(legacy("  sunset\n")).value();
    EXPECT_TRUE(migrated.iptcEnabled);
    ASSERT_EQ(migrated.iptcKeywords.size(), 1);
    EXPECT_EQ(migrated.iptcKeywords[0].name, "sunset");
    EXPECT_EQ(migrated.iptcKeywords[0].keyword, "sunset");
    EXPECT_EQ(migrated.selectedIPTCKeywordID, migrated.iptcKeywords[0].id);
    const QJsonObject again = migrated.toJson();
    EXPECT_FALSE(again.contains("iptcKeyword"));
    EXPECT_EQ(decode(again), migrated);

    // A blank keyword, one that is not a string, a current record's stray legacy key and presets that cannot
    // be read all give no presets and none selected.
    const QJsonArray unreadable{QJsonObject({{"id", QUuid::createUuid().toString()}, {"name", "x"}})};
    const std::pair<QJsonObject, bool> empty[] = {
        {legacy(" \n\t "), false},
        {legacy(42), false},
        {storedRecord({{"iptcEnabled", true}, {"iptcKeywords", absent}, {"iptcKeyword", "ignored"}}), true},
        {storedRecord({{"iptcEnabled", true}, {"iptcKeywords", unreadable}, {"selectedIPTCKeywordID", 7}}),
         true},
    };
    for (const auto& [record, enabled] : empty) {
        const PushConnection c = decode(record).value();
        EXPECT_EQ(c.iptcEnabled, enabled);
        EXPECT_TRUE(c.iptcKeywords.isEmpty());
        EXPECT_FALSE(c.selectedIPTCKeywordID);
    }

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
