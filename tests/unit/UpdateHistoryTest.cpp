#include "core/client/UpdateHistory.h"
#include "core/protocol/Replies.h"
#include "support/Engine.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

class UpdateHistoryTest : public ::testing::Test, public Engine
{
protected:
    UpdateHistoryTest() { client->keepHistory(); }

    QStringList lines() const
    {
        return QString::fromUtf8(fake.files.contents.value(history.path())).split('\n', Qt::SkipEmptyParts);
    }
    void report(ClientEvent::Kind kind) { client->report({kind, {}, {}, {}}); }
    void writeEarlier(int count, const QByteArray& group)
    {
        QByteArray bytes;
        for (int i = 0; i < count; ++i)
            bytes += "2026-12-01T00:00:00Z\tUPDATE\t" + group + QByteArray::number(i) + "\t1.2.3.4\tok\n";
        fake.files.contents.insert(history.path(), bytes);
    }

    UpdateHistory history{fake.files, QStringLiteral("/program/DNS.conf")};
};

} // namespace

TEST_F(UpdateHistoryTest, TheClientRecordsItsStartEachGroupsVerdictANewAddressAFailureAndItsEndInEnglishWords)
{
    // The file reads the same in every language; only what the client shows is translated.
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(":/i18n/veltaro_de.qm")));
    QCoreApplication::installTranslator(&german);
    settings.checkedGroups = QStringLiteral("HOME:OFFICE:");
    server.failingGroups = {QStringLiteral("OFFICE")};
    report(ClientEvent::Kind::Started);
    scheduler().start();
    server.run(3000);
    ASSERT_EQ(server.commandWords(), QStringList({"GETMYIP", "GETHOSTS", "UPDATE", "UPDATE"}));
    server.refusing = true;
    client->checkAddress();
    server.run(1000);
    report(ClientEvent::Kind::Ended);

    EXPECT_TRUE(lines().last().startsWith(fake.clock.now().toUTC().toString(Qt::ISODate) + "\tEND"));
    QStringList withoutTimes;
    for (const QString& line : lines())
        withoutTimes.append(line.section('\t', 1));
    EXPECT_EQ(withoutTimes,
              QStringList({"START\t\t\t", "ADDRESS\t\t203.0.113.9\tnew address", "UPDATE\tHOME\t203.0.113.9\tok",
                           "UPDATE\tOFFICE\t203.0.113.9\tfailed: the group is not in this account",
                           "FAILURE\t\t\tfailed: Connection failed: Connection refused", "END\t\t\t"}));

    const QList<UpdateHistory::Entry> entries = history.entries();
    ASSERT_EQ(entries.size(), 6);
    EXPECT_EQ(std::tuple(entries[2].group, entries[2].failed, entries[3].failed), std::tuple("HOME", false, true));
    EXPECT_EQ(status().toStdString(), "Verbindung fehlgeschlagen: Verbindung verweigert");
    EXPECT_EQ(UpdateHistory::shownResult(entries[3]).toStdString(),
              "fehlgeschlagen: die Gruppe gehört nicht zu diesem Konto");
}

TEST_F(UpdateHistoryTest, AReplysLineBreaksAndTabsStayInsideTheirField)
{
    const QString reason = updateFailureReason(QStringLiteral("NO\r\nFAKE\tLINE\x1b[31m\x07"));
    client->report({ClientEvent::Kind::GroupFailed, QStringLiteral("HO\tME") + QString(500, 'E'), {}, reason});
    // Control characters become blanks; a field's length is bounded.
    EXPECT_EQ(lines(), QStringList{fake.clock.now().toUTC().toString(Qt::ISODate) + "\tUPDATE\tHO ME" +
                                   QString(155, 'E') + "\t\tfailed: the server answered \"NO  FAKE LINE [31m \""});
}

TEST_F(UpdateHistoryTest, PastTwoThousandFiveHundredLinesTheLastTwoThousandAreKeptInOneAtomicWrite)
{
    writeEarlier(UpdateHistory::kMostLines - 1, "G");
    report(ClientEvent::Kind::Started);
    EXPECT_EQ(fake.files.writes, 0);
    report(ClientEvent::Kind::Ended);
    EXPECT_EQ(fake.files.writes, 1);
    ASSERT_EQ(lines().size(), UpdateHistory::kKeptLines);
    EXPECT_TRUE(lines().first().contains("\tG501\t"));

    // The count carries on from the rewrite: the next rewrite comes 500 lines later.
    for (int i = 0; i < UpdateHistory::kMostLines - UpdateHistory::kKeptLines; ++i)
        report(ClientEvent::Kind::Started);
    EXPECT_EQ(fake.files.writes, 1);
    report(ClientEvent::Kind::Started);
    EXPECT_EQ(fake.files.writes, 2);
}

TEST_F(UpdateHistoryTest, AFileOfLongLinesIsReadFromItsEndAndItsNewestLinesAreKept)
{
    const QByteArray longName(2000, 'G');
    writeEarlier(3000, longName);
    EXPECT_EQ(history.entries().last().group, longName + "2999");

    report(ClientEvent::Kind::Started);
    EXPECT_TRUE(fake.files.staleTemporariesRemoved.contains(history.path())) << "a killed rewrite's leftover";
    ASSERT_EQ(lines().size(), UpdateHistory::kKeptLines);
    EXPECT_TRUE(lines().first().contains(longName + "1001\t"));
}
