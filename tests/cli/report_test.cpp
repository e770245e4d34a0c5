// report as a user runs it: the real executable, its RTF against the windows'
// saved file, and its writes, whole or not at all.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QScopeGuard>
#include <QTimer>
#include <QtTest>
#include <csignal>

#include "tests/cli/run_program.h"
#include "tests/core/full_disk.h"
#include "tests/core/rtf_reader.h"
#include "tests/report/report_test_support.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

class ReportTest : public ProgramTest {
    Q_OBJECT

    // Whether `user` may run the program: a build under /root is out of nobody's reach.
    static bool RunnableBy(const passwd& user) {
        const pid_t child = fork();
        if (child == 0) {
            const bool became = setgroups(0, nullptr) == 0 && setgid(user.pw_gid) == 0 && setuid(user.pw_uid) == 0;
            _exit(became && access(PROGRAM, X_OK) == 0 ? 0 : 1);
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    // Ann's report for the arguments, to standard output, and its text as a reader reads the RTF.
    std::pair<Ran, QString> AnnsReport(const QStringList& arguments) const {
        const Ran ran = Run(QStringList{"report", "--name", "Ann", "-o", "-"} + arguments);
        return {ran, QString::fromStdString(ReadRtfText(ran.out.toStdString()))};
    }

private slots:
    // The report names the sign sign gives, as its options count the birth: by
    // each year start, with a time, on another clock. Typed from the new-year
    // table, risshun 2017 (00:34 on 4 February in Tokyo, 23:34 on the 3rd in
    // Beijing) and risshun 2021 (09:58 on 3 February in New York).
    void aReportNamesTheSignAsTheBirthCounts_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("sign");
        QTest::newRow("January, lunar") << QStringList{"1975-01-15"} << "Tiger";
        QTest::newRow("January, 1 January") << QStringList{"--year-start=january", "1975-01-15"} << "Rabbit";
        QTest::newRow("the day before risshun in Japan")
            << QStringList{"--year-start=risshun", "2017-02-03"} << "Monkey";
        QTest::newRow("Beijing, after risshun there")
            << QStringList{"--year-start=risshun", "--zone=Asia/Shanghai", "2017-02-03T23:50"} << "Rooster";
        QTest::newRow("the same clock time in Tokyo, before risshun")
            << QStringList{"--year-start=risshun", "2017-02-03T23:50"} << "Monkey";
        QTest::newRow("New York, after risshun")
            << QStringList{"--year-start=risshun", "--zone=America/New_York", "2021-02-03T10:05"} << "Ox";
        QTest::newRow("a fixed offset") << QStringList{"--zone=UTC-03:30", "2021-02-03T12:00", "--year-start=risshun"}
                                        << "Ox";
    }

    void aReportNamesTheSignAsTheBirthCounts() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, sign);
        const auto [ran, report] = AnnsReport(arguments);
        QCOMPARE(ran.status, 0);
        QVERIFY2(report.contains(QStringLiteral("\nEnglish Name : %1\n").arg(sign)), qPrintable(report));
    }

    // The report the windows' Save writes for Ann, and the command line's, byte
    // for byte, in every month, whose names are typed here: a misspelling on
    // either road shows.
    void theReportIsTheWindowsSavedFileByteForByte_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("name");
        const char* names[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
        for (int m = 1; m <= 12; ++m) QTest::newRow(names[m - 1]) << m << QString::fromLatin1(names[m - 1]);
    }

    void theReportIsTheWindowsSavedFileByteForByte() {
        QFETCH(int, month);
        QFETCH(QString, name);
        const QString windowsFile = home_.filePath(QStringLiteral("windows-%1.rtf").arg(month));
        Program program;
        program.Run(QStringLiteral("  Ann  "), 5, month, 1975);
        QCOMPARE(Child<QComboBox>(program.main(), "cboMaleMonth")->currentText(), name);
        program.platform.saveAnswers = {windowsFile};
        QTimer::singleShot(0, [] {
            if (auto* report = qobject_cast<ReportWindow*>(QApplication::activeModalWidget())) {
                Child<QPushButton>(report, "cmdSave")->click();
                report->reject();
            }
        });
        Child<QPushButton>(program.app.LoadedResultWindow(), "cmdPrint")->click();
        const QByteArray expected = ReadFile(windowsFile);
        QVERIFY(QString::fromStdString(ReadRtfText(expected.toStdString()))
                    .startsWith(QStringLiteral("Name: Ann\n\nDate of Birth: 5 %1 1975\n").arg(name)));

        const QString date = QStringLiteral("1975-%1-05").arg(month, 2, 10, QLatin1Char('0'));
        const Ran toStdout = Run({"report", "--name", "  Ann  ", date, "-o", "-"});
        QCOMPARE(toStdout.status, 0);
        QCOMPARE(toStdout.out, expected);
        if (month != 3) return;
        const QString cliFile = home_.filePath(QStringLiteral("cli.rtf"));
        QCOMPARE(Run({"report", "--name", "  Ann  ", date, "-o", cliFile}).status, 0);
        QCOMPARE(ReadFile(cliFile), expected);
    }

    // Counted otherwise than the windows count (with a time, in another zone,
    // from another year start), the report says how in one line after the date
    // of birth; counted as they count, even when said in so many words, it is
    // the windows' report byte for byte.
    void aReportSaysHowTheBirthWasCounted_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");  // empty: no line, and the plain report's bytes
        QTest::newRow("the windows' zone and year start, given")
            << QStringList{"--zone=Asia/Tokyo", "--year-start=lunar", "1975-03-05"} << "";
        QTest::newRow("a time") << QStringList{"1975-03-05T12:00"}
                                << "Reckoned: born at 12:00 on the clock of Asia/Tokyo";
        QTest::newRow("a zone and a year start")
            << QStringList{"--zone=Europe/London", "--year-start=january", "1975-03-05"}
            << "Reckoned: on the clock of Europe/London; the zodiac year from 1 January";
    }

    void aReportSaysHowTheBirthWasCounted() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        const auto [ran, text] = AnnsReport(arguments);
        QCOMPARE(ran.status, 0);
        const QString counted = line.isEmpty() ? QString() : line + QStringLiteral("\n\n");
        QVERIFY2(text.startsWith(
                     QStringLiteral("Name: Ann\n\nDate of Birth: 5 March 1975\n\n%1Japanese Sign: ").arg(counted)),
                 qPrintable(text.left(300)));
        if (line.isEmpty()) QCOMPARE(ran.out, Run({"report", "--name", "Ann", "1975-03-05", "-o", "-"}).out);
    }

    // A report that cannot be written whole leaves the old file as it was, and
    // no part-written copy beside it; bad input writes nothing either. The
    // program meets a file-size limit with SIGXFSZ at its default action, which
    // would end it without a word.
    void aReportThatCannotBeWrittenLeavesTheOldFile_data() {
        AddWriteObstacleRows();
        QTest::newRow("a writable file in a folder that takes no new copy")
            << "locked folder"
            << "does not let a new copy be made there (Permission denied)";
        QTest::newRow("another's file in a sticky folder") << "sticky folder"
                                                           << "which is sticky";
        QTest::newRow("-o /dev/stdout >&-") << "closed standard output"
                                            << "standard output is closed";
        QTest::newRow("a path of 3,300 characters") << "long path"
                                                    << "No such file or directory";
    }

    void aReportThatCannotBeWrittenLeavesTheOldFile() {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        WriteObstacle at(home_.filePath(obstacle), obstacle);
        if (!at.possible()) QSKIP("only root may mount the full disk");
        // The folder is locked against whoever runs the report; root passes any
        // lock, so as root the report runs as nobody, who may reach the folder.
        // A sticky folder stops only those who do not own the file: as root, nobody.
        const bool locked = obstacle == u"locked folder", sticky = obstacle == u"sticky folder";
        const passwd* nobody = (locked || sticky) && geteuid() == 0 ? getpwnam("nobody") : nullptr;
        if (locked && geteuid() == 0 && !nobody)
            QSKIP("root passes the folder's lock, and there is no nobody to run as");
        if (sticky && !nobody) QSKIP("only root can leave a file of its own to nobody in a sticky folder");
        if (nobody && !RunnableBy(*nobody)) QSKIP("nobody may not reach the program in the folder it was built in");
        const auto unlocked = qScopeGuard([&] {
            if (!locked && !sticky) return;
            QFile::setPermissions(at.folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(home_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (locked || sticky) {
            QVERIFY(chmod(QFile::encodeName(at.old).constData(), 0666) == 0);
            QVERIFY(chmod(QFile::encodeName(at.folder).constData(), locked ? 0555 : 01777) == 0);
            QVERIFY(chmod(QFile::encodeName(home_.path()).constData(), 0711) == 0);
            reason = locked ? QStringLiteral("the folder %1 %2").arg(at.folder, reason)
                            : QStringLiteral("the folder %1, %2").arg(at.folder, reason);
        }
        if (obstacle == u"closed standard output") at.target = QStringLiteral("/dev/stdout");
        if (obstacle == u"long path") at.target = at.folder + QString(QStringLiteral("/d234567890")).repeated(300);
        const bool closed = obstacle == u"closed standard output";
        const uid_t uid = nobody ? nobody->pw_uid : 0;
        const gid_t gid = nobody ? nobody->pw_gid : 0;
        const auto child = InChild([limited = at.limitsFileSize, closed, uid, gid] {
            if (limited) {
                std::signal(SIGXFSZ, SIG_DFL);
                const rlimit limit{1000, RLIM_INFINITY};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            if (closed) close(STDOUT_FILENO);
            if (uid != 0 && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)) _exit(126);
        });
        // The report, and sign's answers streamed into the same kind of copy.
        const Ran report = Run({"report", "--name", "Ann", "1975-03-05", "-o", at.target}, {}, child);
        const Ran sign = Run({"sign", "-o", at.target, "-"}, QByteArray("1975-03-05\n").repeated(20), child);
        for (const auto& [failed, what] :
             {std::pair{report, QStringLiteral("the report ")}, std::pair{sign, QString()}}) {
            const QString prefix = QStringLiteral("cannot write %1to ").arg(what);
            if (obstacle == u"long path") {
                // Cut in the middle, so that both where it starts and what it names show.
                ExpectNotWritten(failed, prefix + at.target.left(100),
                                 at.target.right(100) + QStringLiteral(": ") + reason);
                QVERIFY2(failed.err.contains(u'…') && failed.err.size() < at.target.size() / 2, qPrintable(failed.err));
            } else {
                ExpectNotWritten(failed, prefix + at.target, reason);
            }
        }
        // A bad date, for the report or in the middle of sign's stream, writes nothing.
        QCOMPARE(Run({"report", "--name", "Ann", "2001-02-29", "-o", at.old}).status, 2);
        QCOMPARE(Run({"sign", "-o", at.old, "-"}, "1975-03-05\n2001-02-29\n").status, 2);
        QCOMPARE(ReadFile(at.old), QByteArray(WriteObstacle::kOldContent));
        QCOMPARE(QDir(at.folder).entryList(QDir::Files), at.filesLeft());
    }

    // A regular file, wherever it lives, is replaced by a whole new copy that
    // keeps the old one's permission bits and, where root writes, its owner.
    void aGoodReportReplacesTheOldFileWhole_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("nobodys");
        QTest::addColumn<bool>("twoNames");  // a hard link, written over in place so that both names see the report
        QTest::newRow("a file of ours") << "" << 0 << false << false;
        QTest::newRow("a regular file under /dev/shm") << "/dev/shm" << 0 << false << false;
        QTest::newRow("read-only (444), written over by root") << "" << 0444 << false << false;
        QTest::newRow("nobody's, written over by root") << "" << 0 << true << false;
        QTest::newRow("a file of two names") << "" << 0 << false << true;
    }

    void aGoodReportReplacesTheOldFileWhole() {
        QFETCH(QString, folder);
        QFETCH(int, mode);
        QFETCH(bool, nobodys);
        QFETCH(bool, twoNames);
        if ((mode != 0 || nobodys) && geteuid() != 0) QSKIP("only root may write over a read-only file or another's");
        if (!folder.isEmpty() && !QFileInfo(folder).isDir()) QSKIP("no such folder here");
        const passwd* nobody = nobodys ? getpwnam("nobody") : nullptr;
        if (nobodys && !nobody) QSKIP("no user nobody to own the file");
        const QString existing =
            (folder.isEmpty() ? home_.path() : folder) + QStringLiteral("/qorvel-zodiac-replaced-%1.rtf").arg(getpid());
        const QString other = existing + QStringLiteral(".other");
        const auto removed = qScopeGuard([&] {
            QFile::remove(existing);
            QFile::remove(other);
        });
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100000, 'x'));
        file.close();
        const QByteArray name = QFile::encodeName(existing);
        if (twoNames) QVERIFY(link(name.constData(), QFile::encodeName(other).constData()) == 0);
        if (mode != 0) QVERIFY(chmod(name.constData(), static_cast<mode_t>(mode)) == 0);
        if (nobody) QVERIFY(chown(name.constData(), nobody->pw_uid, nobody->pw_gid) == 0);
        struct stat before {};
        struct stat after {};
        QVERIFY(stat(name.constData(), &before) == 0);
        QCOMPARE(Run({"report", "--name", "Ann", "1975-03-05", "-o", existing}).status, 0);
        const QByteArray written = ReadFile(existing);
        QVERIFY(written.startsWith("{\\rtf1") && written.endsWith("}\n") && !written.contains("xxx"));
        QVERIFY(stat(name.constData(), &after) == 0);
        if (twoNames) {
            QCOMPARE(ReadFile(other), written);
            QCOMPARE(QDir(home_.path()).entryList({QFileInfo(existing).fileName() + "*"}).size(), 2);
        } else {
            QVERIFY2(after.st_ino != before.st_ino, "written into the old file rather than renamed over it");
        }
        QCOMPARE(QString::number(after.st_mode, 8), QString::number(before.st_mode, 8));
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        // sign's answers, streamed into the same kind of copy, are what it prints.
        const QByteArray dates = QByteArray("1975-03-05\n2001-01-24\n").repeated(4000);
        QCOMPARE(Run({"sign", "-o", existing, "-"}, dates).status, 0);
        const QByteArray answers = Run({"sign", "-"}, dates).out;
        QCOMPARE(ReadFile(existing).size(), answers.size());
        QVERIFY(ReadFile(existing) == answers);
        if (twoNames) QVERIFY(ReadFile(other) == answers);
    }

    // What is not a regular file is written into, never replaced: a FIFO stays a
    // FIFO with its reader served, /dev/stdout is the pipe it leads to. A path to
    // a descriptor is written through it, as a shell's redirection left it: a log
    // opened to append keeps its old line, and a file shared with commands before
    // and after keeps their lines in order.
    void aReportGoesStraightIntoWhatIsNotARegularFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("descriptor");
        QTest::addColumn<QString>("opened");
        QTest::newRow("-o /dev/stdout | reader, and -o fifo") << "/dev/stdout" << 1 << "";
        QTest::newRow("-o /dev/stdout >> log") << "/dev/stdout" << 1 << "appending";
        QTest::newRow("-o /dev/fd/3 3>> log") << "/dev/fd/3" << 3 << "appending";
        QTest::newRow("-o /proc/self/fd/3 3>> log") << "/proc/self/fd/3" << 3 << "appending";
        QTest::newRow("{ echo header; report -o /dev/stdout; echo footer; } > log") << "/dev/stdout" << 1 << "afresh";
    }

    void aReportGoesStraightIntoWhatIsNotARegularFile() {
        QFETCH(QString, path);
        QFETCH(int, descriptor);
        QFETCH(QString, opened);
        const QStringList reportTo = {"report", "--name", "Ann", "1975-03-05", "-o"};
        const QByteArray report = Run(reportTo + QStringList{"-"}).out;
        QVERIFY(report.startsWith("{\\rtf1"));
        if (!opened.isEmpty()) {
            // Held open here as a shell holds it, so that the offset the report leaves shows in the footer.
            const QString log = home_.filePath(QStringLiteral("log"));
            QFile old(log);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old line\n") == 9);
            old.close();
            const bool appending = opened == u"appending";
            const int held = open(QFile::encodeName(log).constData(), O_WRONLY | (appending ? O_APPEND : O_TRUNC));
            QVERIFY(held >= 0);
            const auto closed = qScopeGuard([held] { close(held); });
            const QByteArray first = appending ? "old line\n" : "header\n";
            if (!appending) QCOMPARE(write(held, first.constData(), 7), ssize_t(7));
            const Ran ran = Run(reportTo + QStringList{path}, {}, InChild([held, descriptor] {
                                    if (held != descriptor) dup2(held, descriptor);
                                }));
            QCOMPARE(ran.status, 0);
            QCOMPARE(write(held, "footer\n", 7), ssize_t(7));
            QCOMPARE(ReadFile(log), first + report + "footer\n");
            return;
        }
        QCOMPARE(Run(reportTo + QStringList{path}).out, report);

        const QString fifo = home_.filePath(QStringLiteral("fifo"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QProcess reader;
        reader.start(QStringLiteral("cat"), {fifo});
        QVERIFY(reader.waitForStarted());
        QCOMPARE(Run({"report", "--name", "Ann", "1975-03-05", "-o", fifo}).status, 0);
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.readAllStandardOutput(), report);
        struct stat status {};
        QVERIFY(stat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
    }

    void badInputSaysWhatAndWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");  // what the message must name
        QTest::newRow("report without a name") << QStringList{"report", "1975-03-05", "-o", "-"} << "--name";
        QTest::newRow("report without -o") << QStringList{"report", "--name", "Ann", "1975-03-05"} << "-o";
        QTest::newRow("report of two dates")
            << QStringList{"report", "--name", "Ann", "1975-03-05", "1976-03-05", "-o", "-"} << "one date";
        QTest::newRow("json for a report")
            << QStringList{"report", "--json", "--name", "Ann", "1975-03-05", "-o", "-"} << "json";
        QTest::newRow("a name of invisible characters")
            << QStringList{"report", "--name", "\u200B\u202E", "1975-03-05", "-o", "-"} << "'\\u{200b}\\u{202e}'";
        QTest::newRow("a name of blanks")
            << QStringList{"report", "--name", "    ", "1975-03-05", "-o", "-"} << "the name is empty";
        QTest::newRow("a newline in a name")
            << QStringList{"report", "--name", "Ann\nDate of Birth: 1 April", "1975-03-05", "-o", "-"} << "(\\n)";
        QTest::newRow("a name of fillers")
            << QStringList{"report", "--name", "\u3164\u115F\u3000\u00A0\u2800", "1975-03-05", "-o", "-"}
            << "the name is empty";
    }

    void badInputSaysWhatAndWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        ExpectBadInput(Run(arguments), named);
    }
};

}  // namespace

QTEST_MAIN(ReportTest)
#include "report_test.moc"
