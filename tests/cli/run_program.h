#pragma once

// The command line as a user runs it: the real executable, with no display and
// a home of its own.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

namespace zodiac::testing {

struct Ran {
    int status;
    QByteArray out;
    QString err;
};

// The suites that run the program derive from this, for its home and its runs.
class ProgramTest : public QObject {
public:
    ProgramTest() {
        QDir(home_.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(home_.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

protected:
    QTemporaryDir home_;

    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.filePath(QStringLiteral("runtime")));
        return environment;
    }

    // `prepare` may change the process's standard streams or limits before it starts.
    Ran Run(const QStringList& arguments, const QByteArray& input = {},
            const std::function<void(QProcess&)>& prepare = {}, const QString& program = PROGRAM) const {
        QProcess process;
        process.setProcessEnvironment(Environment());
        if (prepare) prepare(process);
        process.start(program, arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(20000)) return {-1, {}, QStringLiteral("did not finish")};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2, process.readAllStandardOutput(),
                QString::fromUtf8(process.readAllStandardError())};
    }

    // Refused as bad input: exit 2, nothing on standard output, one short line on
    // standard error that names `named` and repeats no control character.
    static void ExpectBadInput(const Ran& ran, const QString& named) {
        QCOMPARE(ran.status, 2);
        QVERIFY(ran.out.isEmpty());
        QVERIFY2(ran.err.endsWith(u'\n') && ran.err.count(u'\n') == 1, qPrintable(ran.err));
        QVERIFY2(ran.err.startsWith(QStringLiteral("qorvel-zodiac: ")), qPrintable(ran.err));
        QVERIFY2(ran.err.contains(named), qPrintable(ran.err));
        QVERIFY2(ran.err.size() < 400, qPrintable(ran.err.left(400)));
        for (const QChar c : ran.err.chopped(1)) QVERIFY2(c.isPrint(), qPrintable(ran.err));
    }

    // Ended as a write that failed: exit 1 and one line saying where and why.
    static void ExpectNotWritten(const Ran& ran, const QString& where, const QString& why) {
        QCOMPARE(ran.status, 1);
        QVERIFY2(ran.err.endsWith(u'\n') && ran.err.count(u'\n') == 1, qPrintable(ran.err));
        QVERIFY2(ran.err.contains(where) && ran.err.contains(why), qPrintable(ran.err));
    }

    static std::function<void(QProcess&)> InChild(std::function<void()> step) {
        return [step = std::move(step)](QProcess& process) { process.setChildProcessModifier(step); };
    }
};

}  // namespace zodiac::testing
