// What every command shares, as a user runs the real executable: the way to
// a command, bad input and its exit status, standard input and output, signals,
// help and version, the windows beside the command line, and the documentation.
#include <unistd.h>

#include <QLibraryInfo>
#include <QProcess>
#include <QtTest>
#include <csignal>

#include "cli/commands.h"
#include "core/text.h"
#include "tests/cli/answers.h"
#include "tests/cli/run_program.h"

using namespace zodiac;
using namespace zodiac::testing;
using namespace zodiac::cli;

namespace {

class CommandLineTest : public ProgramTest {
    Q_OBJECT

    // What bash's completion offers for the words, the last being completed.
    static QStringList Completed(const QStringList& words) {
        QProcess bash;
        bash.start(
            QStringLiteral("bash"),
            QStringList{QStringLiteral("-c"),
                        QStringLiteral("source \"$1\"; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); "
                                       "_qorvel_zodiac; echo \"${COMPREPLY[*]}\""),
                        QStringLiteral("bash"), QStringLiteral(SOURCE_DIR "/packaging/qorvel-zodiac.bash-completion")} +
                words);
        bash.waitForFinished(10000);
        QStringList offered =
            QString::fromUtf8(bash.readAllStandardOutput()).simplified().split(u' ', Qt::SkipEmptyParts);
        offered.sort();
        return offered;
    }

private slots:
    void manyDatesFromStandardInput() {
        // Two days of one zodiac year, and a Rabbit of another year and element.
        const Ran ran = Run({"sign", "--json", "-"},
                            "\xef\xbb\xbf"
                            "1975-03-05\n\n2024-02-10\r\n1900-01-31\n  1975-03-06 \n1987-03-05\n");
        QCOMPARE(ran.status, 0);
        const QList<QByteArray> lines = ran.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(Object(lines[1])["sign"].toString(), QStringLiteral("Dragon"));
        const QStringList expected[] = {{"1975-03-05", "Wood", "1975-02-11"},
                                        {"1975-03-06", "Wood", "1975-02-11"},
                                        {"1987-03-05", "Fire", "1987-01-29"}};
        for (int i = 0; i < 3; ++i) {
            const QJsonObject sign = Object(lines[i == 0 ? 0 : i + 2]);
            QCOMPARE((QStringList{sign["date"].toString(), sign["element"].toString(), sign["yearBegins"].toString()}),
                     expected[i]);
            QCOMPARE(sign["sign"].toString(), QStringLiteral("Rabbit"));
        }
        // Blanks after a date cost nothing, however many.
        const Ran text =
            Run({"sign", "-", "\uFEFF1987-03-05"}, "1975-03-05" + QByteArray(8 << 20, ' ') + "\n1975-03-06\n");
        QCOMPARE(text.out.count("Wood Rabbit"), 2);
        QVERIFY(text.out.contains("\n\n1975-03-06: Wood Rabbit") && text.out.contains("\n\n1987-03-05: Fire Rabbit"));
    }

    // sign - is a filter: each line is answered as soon as it is read, and a bad
    // line ends the run there, the answers before it written. A date given as an
    // argument is checked before any is answered.
    void standardInputIsAnsweredLineByLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("answer");  // how the answer to 1975-03-05 begins
        QTest::newRow("text") << QStringList{"sign", "-"} << QByteArray("1975-03-05: Wood Rabbit");
        QTest::newRow("json") << QStringList{"sign", "--json", "-"} << QByteArray("{\"almanac\"");
        QTest::newRow("risshun, a time, a zone")
            << QStringList{"sign", "--year-start=risshun", "--zone=America/New_York", "-"}
            << QByteArray("1975-03-05: Wood Rabbit");
    }

    void standardInputIsAnsweredLineByLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, answer);
        QProcess process;
        process.setProcessEnvironment(Environment());
        process.start(QStringLiteral(PROGRAM), arguments);
        process.write("1975-03-05\n");
        QByteArray out;
        while (!out.contains('\n') && process.waitForReadyRead(10000)) out += process.readAllStandardOutput();
        QVERIFY2(out.startsWith(answer), out.constData());  // while the input is still open
        process.write("  2001-02-29 \n1976-01-01\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(10000));
        out += process.readAllStandardOutput();
        QCOMPARE(process.exitCode(), 2);
        QCOMPARE(out.count(answer), 1);  // the good line's answer stays, and none comes after the bad
        QVERIFY(!out.contains("1976-01-01"));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("standard input, line 2: 2001-02-29")) && err.count(u'\n') == 1,
                 qPrintable(err));
        // Read at once with the bad line, the good line's answer is still written.
        const Ran together = Run(arguments, "1975-03-05\n2001-02-29\n");
        QCOMPARE(together.status, 2);
        QVERIFY2(together.out.startsWith(answer), together.out.constData());
        // A bad date among the arguments is found before any date is answered.
        const Ran bad = Run(arguments + QStringList{"2001-02-29"}, "1975-03-05\n");
        QCOMPARE(bad.status, 2);
        QVERIFY(bad.out.isEmpty());
    }

    // Dates on standard input that cannot be taken, each with a message that says
    // what to give instead and names its line: a zone after the time, a
    // byte-order mark after the start of the input, and bytes that are not
    // UTF-8, shown as bytes.
    void whatCannotBeTakenOnStandardInputSaysWhatToGive_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("named");
        QTest::newRow("a zone after the time, read")
            << QByteArray("1975-03-05T12:00+09:00\n") << "line 1: '1975-03-05T12:00+09:00' names a zone";
        QTest::newRow("a byte-order mark on the second line")
            << QByteArray(
                   "  \n\xef\xbb\xbf"
                   "1975-03-06\n")
            << "line 2: '\\u{feff}1975-03-06' holds a byte-order mark (U+FEFF), which only the very start";
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray("1975-03-0\xe9\n") << "line 1: '1975-03-0\\xe9' is not a date";
    }

    void whatCannotBeTakenOnStandardInputSaysWhatToGive() {
        QFETCH(QByteArray, input);
        QFETCH(QString, named);
        ExpectBadInput(Run({"sign", "-"}, input), named);
    }

    void badInputSaysWhatAndWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");  // what the message must name
        QTest::newRow("not a command") << QStringList{"sing", "1975-03-05"} << "sing";
        QTest::newRow("an option before the command")
            << QStringList{"--json", "sign", "1975-03-05"} << "after the command";
        // Stray options, which Qt would once have taken for its own and aborted on.
        QTest::newRow("a misspelt option") << QStringList{"--versio"} << "unknown option '--versio'";
        QTest::newRow("an unknown option") << QStringList{"--bogus"} << "unknown option '--bogus'";
        QTest::newRow("a capital V") << QStringList{"-V"} << "unknown option '-V'";
        QTest::newRow("a lone dash") << QStringList{"-"} << "'-' is not a command";
        QTest::newRow("a double dash") << QStringList{"--"} << "unknown option '--'";
        QTest::newRow("one dash for --json before the command")
            << QStringList{"-json", "sign", "1975-03-05"} << "after the command";
        QTest::newRow("Qt's option without its value") << QStringList{"-platform"} << "needs a value";
        QTest::newRow("a command after Qt's options")
            << QStringList{"-platform", "offscreen", "sing", "1975-03-05"} << "'sing' is not a command";
        QTest::newRow("bytes: not UTF-8 in a name")
            << QStringList{"report", "--name", "Zo\\xeb", "1975-03-05", "-o", "-"} << "'Zo\\xeb' is not UTF-8";
        QTest::newRow("a year start before the command") << QStringList{"--year-start=risshun", "sign", "1975-03-05"}
                                                         << "as in qorvel-zodiac sign --year-start=risshun 1975-03-05";
        QTest::newRow("a name before the command") << QStringList{"--name", "Ann", "report", "1975-03-05", "-o", "-"}
                                                   << "as in qorvel-zodiac report --name Ann 1975-03-05 -o -";
    }

    void badInputSaysWhatAndWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        if (!QString::fromLatin1(QTest::currentDataTag()).startsWith(u"bytes"))
            return ExpectBadInput(Run(arguments), named);
        // QProcess passes its arguments as UTF-8; bash's printf makes the bytes that are not.
        const QString script =
            QStringLiteral(R"sh(a=(); for x; do a+=("$(printf '%b' "$x")"); done; exec "${a[@]}")sh");
        ExpectBadInput(Run(QStringList{"-c", script, "bash", PROGRAM} + arguments, {}, {}, QStringLiteral("bash")),
                       named);
    }

    // Standard input that cannot be read, or holds what is no date.
    void datesFromStandardInputThatCannotBeTaken_data() {
        QTest::addColumn<QString>("source");  // a pipe, a folder, /dev/zero or nothing at all
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("named");
        QTest::newRow("a folder") << "folder" << QByteArray() << "Is a directory";
        QTest::newRow("closed") << "closed" << QByteArray() << "standard input: it is closed";
        QTest::newRow("a bad third line")
            << "pipe" << QByteArray("\n  \n1975-02-30\n1976-01-01\n") << "standard input, line 3: 1975-02-30";
        QTest::newRow("escape codes") << "pipe" << QByteArray("\x1b[31m1975-03-05\n") << "'\\e[31m1975-03-05'";
        QTest::newRow("a line of a megabyte") << "pipe" << QByteArray(1 << 20, '7') + "\n"
                                              << "line 1: '7777";
        QTest::newRow("a line that never ends") << "zero" << QByteArray() << "line 1: '\\x00\\x00";
        QTest::newRow("a date, a megabyte of blanks, a word") << "pipe"
                                                              << "1975-03-05" + QByteArray(1 << 20, ' ') + "x\n"
                                                              << "line 1: '1975-03-05…' is not";
        QTest::newRow("a byte-order mark, then a bad date") << "pipe"
                                                            << QByteArray(
                                                                   "\xef\xbb\xbf"
                                                                   "1975-3-05\n")
                                                            << "line 1: '1975-3-05' is not";
    }

    void datesFromStandardInputThatCannotBeTaken() {
        QFETCH(QString, source);
        QFETCH(QByteArray, input);
        QFETCH(QString, named);
        const Ran ran = Run({"sign", "-"}, input, [&](QProcess& process) {
            if (source == u"folder") process.setStandardInputFile(home_.path());
            if (source == u"zero") process.setStandardInputFile(QStringLiteral("/dev/zero"));
            if (source == u"closed") process.setChildProcessModifier([] { close(STDIN_FILENO); });
        });
        ExpectBadInput(ran, named);
    }

    // Standard output that takes nothing: a full device, or none at all.
    void unwritableOutputEndsInOneLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("closed");
        const QList<QStringList> commands = {{"sign", "1975-03-05"},
                                             {"sign", "--json", "1975-03-05"},
                                             {"match", "1975-03-05", "1990-08-10"},
                                             {"report", "--name", "Ann", "1975-03-05", "-o", "-"},
                                             {"--help"},
                                             {"--version"}};
        for (const QStringList& command : commands) {
            QTest::newRow(qPrintable(command.join(u' ') + " > /dev/full")) << command << false;
            QTest::newRow(qPrintable(command.join(u' ') + " >&-")) << command << true;
        }
    }

    void unwritableOutputEndsInOneLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, closed);
        const Ran ran = Run(arguments, {}, [&](QProcess& process) {
            if (closed) {
                process.setChildProcessModifier([] { close(STDOUT_FILENO); });
            } else {
                process.setStandardOutputFile(QStringLiteral("/dev/full"));
            }
        });
        ExpectNotWritten(ran, QStringLiteral("qorvel-zodiac: cannot write to standard output"),
                         closed ? QStringLiteral("closed") : QStringLiteral("No space left on device"));
    }

    // A reader that has read enough, as head does, ends the run at once: by
    // SIGPIPE and without a word, even when started with SIGPIPE ignored.
    void aReaderThatLeavesEndsTheRunQuietly() {
        QFile dates(home_.filePath(QStringLiteral("dates.txt")));
        QVERIFY(dates.open(QIODevice::WriteOnly));
        for (int i = 0; i < 200000; ++i) dates.write("1975-03-05\n");
        dates.close();
        QProcess zodiac, head;
        zodiac.setProcessEnvironment(Environment());
        zodiac.setStandardInputFile(dates.fileName());
        zodiac.setChildProcessModifier([] { std::signal(SIGPIPE, SIG_IGN); });
        zodiac.setStandardOutputProcess(&head);
        zodiac.start(QStringLiteral(PROGRAM), {"sign", "-"});
        head.start(QStringLiteral("head"), {QStringLiteral("-n"), QStringLiteral("1")});
        QVERIFY(head.waitForFinished(20000));
        QCOMPARE(head.readAllStandardOutput(), QByteArray("1975-03-05: Wood Rabbit, Usagi 卯\n"));
        QVERIFY(zodiac.waitForFinished(20000));
        QCOMPARE(zodiac.exitStatus(), QProcess::CrashExit);
        QCOMPARE(zodiac.readAllStandardError(), QByteArray());
    }

    // The manual page, bash's completion and the README name every command,
    // option and year start of the command line's own table, so none can drift.
    void theDocumentationNamesWhatTheCommandLineKnows() {
        const auto read = [](const char* path) {
            QFile file(QString::fromUtf8(path));
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString man =
            read(SOURCE_DIR "/packaging/qorvel-zodiac.1.in").replace(QStringLiteral("\\-"), QStringLiteral("-"));
        const QString readme = read(SOURCE_DIR "/README.md");
        QStringList missing;
        const auto expect = [&](const char* where, const QString& text, const QString& words) {
            if (!text.contains(words)) missing << QStringLiteral("%1 lacks %2").arg(QLatin1String(where), words);
        };
        QStringList commands{"--help", "--version"}, starts;
        for (const CommandInfo& command : Commands()) {
            const QString name = ToQString(command.name);
            commands << name;
            expect("the manual page", man, QStringLiteral(".B ") + name + u'\n');
            expect("the README", readme, QStringLiteral("qorvel-zodiac ") + name);
            QStringList options{"--help"};
            for (const OptionUse& use : command.options) {
                const OptionInfo& option = InfoOf(use.option);
                // An option whose values bash can list waits for one after its "=".
                const bool listed = option.value == "START" || option.value == "ZONE";
                options << QStringLiteral("--") + ToQString(option.longName) + (listed ? "=" : "");
                if (!option.shortName.empty()) options << QStringLiteral("-") + ToQString(option.shortName);
            }
            options.sort();
            QCOMPARE(Completed({"qorvel-zodiac", name, "-"}), options);
        }
        for (const OptionInfo& option : Options()) {
            for (const QString& name :
                 {QStringLiteral("--") + ToQString(option.longName),
                  option.shortName.empty() ? QString() : QStringLiteral("-") + ToQString(option.shortName)}) {
                if (name.isEmpty()) continue;
                expect("the manual page", man, name);
                expect("the README", readme, name);
            }
        }
        for (const YearStartInfo& start : YearStarts()) {
            const QString name = ToQString(start.name);
            starts << name;
            expect("the manual page", man, QStringLiteral(".TP\n.B ") + name + u'\n');
            expect("the README", readme, QLatin1Char('`') + name + QLatin1Char('`'));
            expect("the README", readme, QStringLiteral("--year-start=") + name);
        }
        commands.sort();
        starts.sort();
        QCOMPARE(Completed({"qorvel-zodiac", ""}), commands);
        QCOMPARE(Completed({"qorvel-zodiac", "sign", "--year-start", "="}), starts);
        QCOMPARE(Completed({"qorvel-zodiac", "match", "--zone", "=", "America/New_Yo"}),
                 QStringList{"America/New_York"});
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    // Each help within 80 columns, no option parted from its value by a line's
    // end, and sign's naming the almanac it prints.
    void helpAndVersion() {
        QList<Ran> helps{Run({"--help"})};
        QVERIFY(helps.first().out.startsWith("Usage: qorvel-zodiac"));
        for (const char* command : {"sign", "match", "report"}) {
            helps << Run({QLatin1String(command), QStringLiteral("--help")});
            QVERIFY(helps.last().out.startsWith(QByteArray("Usage: qorvel-zodiac ") + command));
        }
        for (const Ran& help : helps) {
            QCOMPARE(help.status, 0);
            static const QRegularExpression parted(QStringLiteral("(^| )(-o|--output|--name)\n"));
            QVERIFY2(!QString::fromUtf8(help.out).contains(parted), help.out.constData());
            for (const QString& line : QString::fromUtf8(help.out).split(u'\n'))
                QVERIFY2(TerminalColumns(line) <= 80, qPrintable(line));
        }
        QVERIFY(helps[1].out.contains("almanac"));
        QCOMPARE(Run({"--version"}).out, QByteArray("qorvel-zodiac 1.15\n"));
    }

    // A window of the program is running; the command line neither waits for it
    // nor is refused, and never writes the windows' settings. Renamed, or started
    // through a link, the program keeps its one lock and settings file.
    void independentOfTheWindows_data() {
        QTest::addColumn<QString>("executable");
        QTest::newRow("as built") << QStringLiteral(PROGRAM);
        QTest::newRow("through a link of another name") << home_.filePath(QStringLiteral("zodiac-renamed"));
    }

    void independentOfTheWindows() {
        QFETCH(QString, executable);
        QFile::link(QStringLiteral(PROGRAM), home_.filePath(QStringLiteral("zodiac-renamed")));
        QProcess windows;
        QProcessEnvironment environment = Environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        windows.setProcessEnvironment(environment);
        windows.start(executable, {});
        QVERIFY(windows.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(home_.filePath(QStringLiteral("runtime"))).entryList({"*.lock"}).isEmpty(),
                                 10000);
        QCOMPARE(QDir(home_.filePath(QStringLiteral("runtime"))).entryList({"*.lock"}),
                 QStringList{"qorvel-zodiac.lock"});
        const QString settings = home_.filePath(QStringLiteral("config/qorvel-zodiac/qorvel-zodiac.ini"));
        QTRY_VERIFY(QFile::exists(settings));  // the windows' first start notes its day
        QFile::remove(settings);
        const Ran ran = Run({"sign", "1975-03-05"});
        QCOMPARE(ran.status, 0);
        QVERIFY(ran.out.startsWith("1975-03-05: Wood Rabbit"));
        QVERIFY(!QFile::exists(settings));
        windows.kill();
        windows.waitForFinished(5000);
    }

    // With no display, the windows say how to go on in one line; a command after
    // Qt's options runs, needing none.
    void withoutADisplayTheWindowsSayHowToGoOn() {
        for (const QStringList& arguments : {QStringList{}, QStringList{"-style", "fusion", "-reverse"}}) {
            const Ran ran = Run(arguments);
            QCOMPARE(ran.status, 1);
            QVERIFY2(ran.err.count(u'\n') == 1 && ran.err.contains(QStringLiteral("DISPLAY or WAYLAND_DISPLAY")),
                     qPrintable(ran.err));
            QVERIFY(ran.out.isEmpty());
        }
        // A display named but not to be had, or Qt's plugin for it missing: the
        // message says what is missing rather than to set what is set. Wayland's
        // plugin comes in a package of its own, which a machine may lack.
        const bool wayland = !QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"))
                                  .entryList({QStringLiteral("libqwayland*.so")})
                                  .isEmpty();
        const struct {
            const char* variable;
            const char* value;
            const char* named;
        } missing[] = {
            {"WAYLAND_DISPLAY", "wayland-77",
             wayland ? "WAYLAND_DISPLAY" : "Qt's platform plugin 'wayland' is not installed; install qt6-wayland"},
            {"QT_QPA_PLATFORM", "nosuchplatform", "Qt's platform plugin 'nosuchplatform' is not installed"}};
        for (const auto& [variable, value, named] : missing) {
            const Ran ran = Run({}, {}, [&](QProcess& process) {
                QProcessEnvironment environment = process.processEnvironment();
                environment.insert(QLatin1String(variable), QLatin1String(value));
                process.setProcessEnvironment(environment);
            });
            QCOMPARE(ran.status, 1);
            QVERIFY2(ran.err.count(u'\n') == 1 && ran.err.contains(QLatin1String(named)) &&
                         !ran.err.contains(QStringLiteral("set DISPLAY or WAYLAND_DISPLAY")),
                     qPrintable(ran.err));
        }
        const Ran ran = Run({"-platform", "offscreen", "sign", "1975-03-05"});
        QCOMPARE(ran.status, 0);
        QVERIFY(ran.out.startsWith("1975-03-05: Wood Rabbit"));
    }

    // Qt's own options still reach the windows, and no command is taken for one.
    // At a scale of 2, where the twice-size pictures are read, start-up still
    // loads no image plugin: the pictures go through Qt's own PNG reader.
    void qtOptionsStartTheWindows() {
        QProcess windows;
        QProcessEnvironment environment = Environment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        windows.setProcessEnvironment(environment);
        windows.start(QStringLiteral(PROGRAM), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY(windows.waitForStarted(5000));
        QVERIFY(!windows.waitForFinished(1500));  // the windows wait for a person
        QCOMPARE(windows.readAllStandardOutput(), QByteArray());
        windows.kill();
        windows.waitForFinished(5000);
        const QString plugins = QString::fromUtf8(windows.readAllStandardError());
        QVERIFY2(plugins.contains(QStringLiteral("loaded library")), "QT_DEBUG_PLUGINS says what it loads");
        QVERIFY2(!plugins.contains(QRegularExpression(QStringLiteral("imageformats/[^\"]*\" loaded library"))),
                 qPrintable(plugins.right(500)));
    }
};

}  // namespace

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
