#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/core/full_disk.h"

class SingleInstanceTest : public QObject {
    Q_OBJECT

    QTemporaryDir runtime_;

    QString Start(QProcess& probe, const QString& runtime = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.isEmpty() ? runtime_.path() : runtime);
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(PROBE), {});
        if (!probe.waitForStarted(5000) || !probe.waitForReadyRead(5000)) return QStringLiteral("no answer");
        return QString::fromLatin1(probe.readLine()).trimmed();
    }

private slots:
    void initTestCase() {
        QVERIFY(runtime_.isValid());
        QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void aSecondCopyIsRefusedWhileTheFirstRuns() {
        QProcess first, second;
        QCOMPARE(Start(first), QStringLiteral("first"));
        QCOMPARE(Start(second), QStringLiteral("second"));
        second.closeWriteChannel();
        QVERIFY(second.waitForFinished(5000));
        first.closeWriteChannel();
        QVERIFY(first.waitForFinished(5000));

        QProcess afterwards;
        QCOMPARE(Start(afterwards), QStringLiteral("first"));
        afterwards.closeWriteChannel();
        QVERIFY(afterwards.waitForFinished(5000));
    }

    void aLockLeftByAKilledCopyDoesNotStopTheNextStart() {
        QProcess killed;
        QCOMPARE(Start(killed), QStringLiteral("first"));
        killed.kill();  // SIGKILL: no chance to remove its lock
        QVERIFY(killed.waitForFinished(5000));
        QVERIFY(QDir(runtime_.path()).exists(QStringLiteral("qorvel-zodiac-probe.lock")));

        QProcess next;
        QCOMPARE(Start(next), QStringLiteral("first"));
        next.closeWriteChannel();
        QVERIFY(next.waitForFinished(5000));
    }

    // A runtime folder with no room for the lock file: the copy starts all the
    // same, rather than being told that another one runs.
    void aFolderThatCannotHoldTheLockDoesNotStopTheStart() {
        const QString full = runtime_.filePath(QStringLiteral("full"));
        zodiac::testing::FullDisk disk(full);
        if (!disk.mounted()) QSKIP("only root may mount the full disk");
        QFile::setPermissions(full, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        disk.Fill();
        QProcess probe;
        QCOMPARE(Start(probe, full), QStringLiteral("first"));
        probe.closeWriteChannel();
        QVERIFY(probe.waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
