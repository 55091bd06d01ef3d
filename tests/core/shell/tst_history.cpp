// SPDX-License-Identifier: GPL-3.0-or-later
//
// The connection history in the user's data file, its month as bars, and the
// mask that keeps secrets out of what a user hands to support.
#include "core/entries/HistoryStore.h"
#include "core/settings/SettingsStore.h"
#include "core/shell/Diagnostics.h"
#include "core/shell/HistoryView.h"
#include "support/TestSupport.h"

#include <QtTest>

class TestHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void attemptsAreKeptBoundedAndClosedAfterAKill()
    {
        TestSupport::EntryData fixture({});
        HistoryStore history(fixture.data.UserDatabasePath());
        const QDateTime start = QDateTime::currentDateTimeUtc();
        const qint64 first = history.Begin(3, QStringLiteral("Web"), start);
        QVERIFY2(first > 0, qPrintable(history.LastError()));
        QVERIFY(history.Count(first, 12, 1000, 200));
        // The copy was killed here: the next start closes what it left open.
        QCOMPARE(history.CloseInterrupted(), 1);
        QVERIFY(history.Count(first, 13, 5000, 5000)); // a late count of the killed copy: passed over

        HistoryStore::Record failed;
        failed.seq = history.Begin(4, QStringLiteral("Other"), start.addSecs(60));
        failed.outcome = HistoryStore::Outcome::Failed;
        failed.errorCode = 678;
        failed.errorText = QStringLiteral("No answer");
        failed.pppdLines = QStringLiteral("chat: NO CARRIER");
        QVERIFY(history.Finish(failed));

        const QList<HistoryStore::Record> all = history.Load();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all.at(0).connectName, QStringLiteral("Other")); // newest first
        QCOMPARE(all.at(1).outcome, HistoryStore::Outcome::Interrupted);
        QCOMPARE(all.at(1).received + all.at(1).sent, quint64(1200));
        QCOMPARE(all.at(1).seconds, qint64(12));
        QCOMPARE(history.Load(3).size(), 1);
        QCOMPARE(history.LastFailure()->errorCode, 678);
        QCOMPARE(history.LastFailure()->pppdLines, QStringLiteral("chat: NO CARRIER"));

        // Per day of the month, by the day each started.
        const QDate today = start.toLocalTime().date();
        const QList<quint64> days = history.DailyTraffic(3, today.addDays(-1), today);
        QCOMPARE(days, (QList<quint64>{0, 1200}));
        const HistoryView::Month month = HistoryView::MonthOf(history, fixture.store, 3, today);
        QCOMPARE(month.start.day(), 1);
        QCOMPARE(month.days.size(), month.start.daysInMonth());
        QCOMPARE(month.days.at(today.day() - 1), quint64(1200));

        // Only the newest are kept.
        for (int i = 0; i < HistoryStore::kKept + 5; ++i)
            QVERIFY(history.Begin(5, QStringLiteral("Many"), start) > 0);
        QCOMPARE(history.Load(0, 5000).size(), HistoryStore::kKept);
        QCOMPARE(history.Load(3).size(), 0);

        // A file that is not a database: nothing, and no crash.
        QTemporaryDir dir;
        QVERIFY(TestSupport::WriteFile(dir.filePath(QStringLiteral("x.mdb")), "not a database"));
        HistoryStore broken(dir.filePath(QStringLiteral("x.mdb")));
        QCOMPARE(broken.Begin(1, QStringLiteral("x"), start), qint64(0));
        QVERIFY(broken.Load().isEmpty());
        QVERIFY(!broken.LastFailure());
    }

    void maskHidesSecretsByValueAndByShape()
    {
        SecretMask mask;
        mask.Add(QStringLiteral("hunter2!"));
        mask.Add(QStringLiteral("4711"));
        mask.Add(QStringLiteral("0356")); // also stands inside the IMEI
        mask.Add(QStringLiteral("*135*7#"));
        mask.Add(QStringLiteral("ab")); // too short: it would hide every "ab" of the report
        const QString text = QStringLiteral(
            "sent [PAP AuthReq id=0x1 user=\"web\" password=\"hunter2!\"]\n"
            "> AT+CPIN=\"4711\"\n> AT+CPIN=\"12345678\",\"9999\"\n"
            "> AT+CUSD=1,\"*100#\",15\nbalance *135*7# asked\n"
            "< 262019876543210\nIMEI: 356938035643809\nIMEI/SV 3569380356438091\nICCID 89490200001234567890\n"
            "> AT+CMEE=1;+CPIN = \"2468\"\nsent [PAP AuthReq password=\"a\\\"quote\\\"d\"]\n"
            "abc 2026-12-09T10:00:00 1234 ab\n");
        const QString masked = mask.Apply(text);
        for (const char* secret : {"hunter2!", "4711", "12345678", "9999", "*100#", "*135*7#", "262019876543210",
                                   "356938035643809", "9876543210", "1234567890", "2468", "quote"})
            QVERIFY2(!masked.contains(QLatin1String(secret)), secret);
        // What support needs stays: the network's code, dates, short numbers.
        QVERIFY(masked.contains(QLatin1String("26201**********")));
        QVERIFY(masked.contains(QLatin1String("2026-12-09T10:00:00 1234 ab")));
        QVERIFY(masked.contains(QLatin1String("user=\"web\"")));
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
