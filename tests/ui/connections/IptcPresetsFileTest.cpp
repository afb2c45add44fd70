#include "ui/connections/IptcPresetsFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;

namespace {

IPTCKeywordEntry entry(const QString& name, const QString& keyword)
{
    return {.name = name, .keyword = keyword};
}

} // namespace

TEST(IptcPresetsFile, WritesThreeKeysRefusesIncompleteListsAndMergesKeywordsOnce)
{
    const QList<IPTCKeywordEntry> entries = {entry(u"Holiday"_s, u"beach, sea"_s),
                                             entry(QString(), u"Zürich"_s)};
    const QByteArray data = IptcPresetsFile::encode(entries);
    const QJsonArray array = QJsonDocument::fromJson(data).array();
    ASSERT_EQ(array.size(), 2);
    const QJsonObject first = array[0].toObject();
    EXPECT_EQ(first.keys(), (QStringList{u"id"_s, u"keyword"_s, u"name"_s}));
    EXPECT_EQ(first.value("id"_L1).toString(), entries[0].id.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(IptcPresetsFile::decode(data), entries);

    const char* refused[] = {
        "{not json",
        R"({"id":"0E7F4C38-9F4B-4C8A-9D0E-3A7D1F2B5C6E","name":"a","keyword":"b"})",
        R"([{"id":"0E7F4C38-9F4B-4C8A-9D0E-3A7D1F2B5C6E","name":"a"}])",
        R"([{"id":"0E7F4C38-9F4B-4C8A-9D0E-3A7D1F2B5C6E","name":"a","keyword":3}])",
        R"([{"id":"not-a-uuid","name":"a","keyword":"b"}])",
        R"([["a","b"]])",
    };
    for (const char* text : refused) {
        QString reason;
        EXPECT_TRUE(!IptcPresetsFile::decode(QByteArray(text), &reason) && !reason.isEmpty()) << text;
    }
    EXPECT_EQ(IptcPresetsFile::decode("[]"), QList<IPTCKeywordEntry>{});

    const QList<IPTCKeywordEntry> existing = {entry(u"A"_s, u"beach"_s)};
    const QList<IPTCKeywordEntry> imported = {entry(u"same"_s, u"beach"_s), entry(u"case"_s, u"Beach"_s),
                                              entry(u"twice 1"_s, u"city"_s), entry(u"twice 2"_s, u"city"_s)};
    const QList<IPTCKeywordEntry> merged = IptcPresetsFile::merge(existing, imported);
    ASSERT_EQ(merged.size(), 4);
    EXPECT_EQ(merged[0], existing[0]);
    EXPECT_EQ(merged[1].keyword, u"Beach"_s) << "the comparison is case-sensitive";
    EXPECT_EQ(merged[2].name, u"twice 1"_s);
    EXPECT_EQ(merged[3].name, u"twice 2"_s) << "repeats inside one file are all added";
    for (qsizetype i = 1; i < merged.size(); ++i)
        EXPECT_NE(merged[i].id, imported[i].id);
    EXPECT_EQ(IptcPresetsFile::merge(merged, imported).size(), merged.size());
}
