// The real dialogs behind the platform layer, each driven by timers as a person
// would answer it; a watchdog closes anything left open, so nothing ever blocks.
#include "platform/qt_platform.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>

#include "tests/core/full_disk.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

// Runs `step` as soon as the event loop turns, with whatever dialog is on top.
void OnTopDialog(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step = std::move(step)] { step(QApplication::activeModalWidget()); });
}

// Types a name into an open save dialog and presses Return there, as a person would.
void TypeAndEnter(QWidget* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether a box is wide enough for a window manager to show its caption whole.
// Openbox's default look (Clearlooks, captions in Sans 8 bold beside an icon and
// three buttons) showed "Qorvel Japanese Zodiac" whole from 260 pixels, 115 more
// than the caption's own width, cut it at 255, and at 218 showed "Qorvel J… Zodiac".
bool ShowsCaptionWhole(const QWidget* box) {
    const QFontMetrics openbox(QFont(QStringLiteral("Sans"), 8, QFont::Bold));
    return box->width() >= openbox.horizontalAdvance(box->windowTitle()) + 115;
}

Platform::SaveDialogRequest ReportRequest() {
    Platform::SaveDialogRequest request;
    request.title = QStringLiteral("Qorvel Japanese Zodiac");
    request.filter = QStringLiteral("Rich Text Format | *.rtf ");
    request.defaultSuffix = QStringLiteral("txt");
    return request;
}

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QTimer watchdog_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        watchdog_.setInterval(20000);
        connect(&watchdog_, &QTimer::timeout, [] {
            while (QWidget* open = QApplication::activeModalWidget()) open->close();
            QFAIL("a dialog was left open");
        });
    }
    void init() { watchdog_.start(); }
    void cleanup() { watchdog_.stop(); }

    void aNameTypedWithoutExtensionGetsTxt() {
        QtPlatform platform(dir_.filePath(QStringLiteral("settings.ini")));
        QString title;
        OnTopDialog([&](QWidget* dialog) {
            QVERIFY(qobject_cast<QFileDialog*>(dialog));
            title = dialog->windowTitle();
            TypeAndEnter(dialog, dir_.filePath(QStringLiteral("ann")));
        });
        QCOMPARE(platform.AskSaveFileName(nullptr, ReportRequest()), dir_.filePath(QStringLiteral("ann.txt")));
        QCOMPARE(title, QStringLiteral("Qorvel Japanese Zodiac"));
    }

    // The dialog opens in the user's documents, then, for the rest of the run,
    // in the folder last saved to; a new run starts in the documents again.
    void theSaveDialogStartsInTheDocumentsThenWhereTheLastSaveWent() {
        const QString home = dir_.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/Documents")) && QDir().mkpath(home + QStringLiteral("/reports")));
        qputenv("HOME", home.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
        const QString documents = home + QStringLiteral("/Documents"), reports = home + QStringLiteral("/reports");
        QtPlatform platform(dir_.filePath(QStringLiteral("settings.ini")));
        QStringList openedIn;
        const auto save = [&](QtPlatform& on, const QString& name) {
            OnTopDialog([&, name](QWidget* dialog) {
                openedIn << static_cast<QFileDialog*>(dialog)->directory().absolutePath();
                TypeAndEnter(dialog, name);
            });
            return on.AskSaveFileName(nullptr, ReportRequest());
        };
        QCOMPARE(save(platform, QStringLiteral("ann.rtf")), documents + QStringLiteral("/ann.rtf"));
        QCOMPARE(save(platform, reports + QStringLiteral("/bob.rtf")), reports + QStringLiteral("/bob.rtf"));
        QCOMPARE(save(platform, QStringLiteral("cho.rtf")), reports + QStringLiteral("/cho.rtf"));
        QtPlatform nextRun(dir_.filePath(QStringLiteral("settings.ini")));
        save(nextRun, QStringLiteral("dan.rtf"));
        QCOMPARE(openedIn, (QStringList{documents, documents, reports, documents}));
    }

    void aNameWithAnExtensionKeepsIt() {
        QtPlatform platform(dir_.filePath(QStringLiteral("settings.ini")));
        OnTopDialog([&](QWidget* dialog) { TypeAndEnter(dialog, dir_.filePath(QStringLiteral("ann.rtf"))); });
        QCOMPARE(platform.AskSaveFileName(nullptr, ReportRequest()), dir_.filePath(QStringLiteral("ann.rtf")));
    }

    void aFolderThatDoesNotExistIsRefusedAndTheDialogStays() {
        QtPlatform platform(dir_.filePath(QStringLiteral("settings.ini")));
        QString refusal;
        bool stayedOpen = false;
        OnTopDialog([&](QWidget* dialog) {
            OnTopDialog([&](QWidget* box) {
                auto* message = qobject_cast<QMessageBox*>(box);
                QVERIFY(message);
                refusal = message->text();
                message->button(QMessageBox::Ok)->click();
            });
            TypeAndEnter(dialog, dir_.filePath(QStringLiteral("no-such-folder/ann")));
            stayedOpen = dialog->isVisible();
            TypeAndEnter(dialog, dir_.filePath(QStringLiteral("ann-here")));
        });
        QCOMPARE(platform.AskSaveFileName(nullptr, ReportRequest()), dir_.filePath(QStringLiteral("ann-here.txt")));
        QVERIFY(stayedOpen);
        QVERIFY2(
            refusal.contains(QStringLiteral("no-such-folder")) && refusal.contains(QStringLiteral("does not exist")),
            qPrintable(refusal));
    }

    void savingOverAFileAsksAndNoReturnsToTheDialog() {
        QtPlatform platform(dir_.filePath(QStringLiteral("settings.ini")));
        QFile existing(dir_.filePath(QStringLiteral("old.txt")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        bool asked = false, stayedOpen = false, wholeCaption = false;
        OnTopDialog([&](QWidget* dialog) {
            OnTopDialog([&](QWidget* box) {
                auto* question = qobject_cast<QMessageBox*>(box);
                QVERIFY(question);
                asked = question->text() == u"The file old.txt already exists.\nDo you want to replace it?";
                wholeCaption = ShowsCaptionWhole(question);
                question->button(QMessageBox::No)->click();
            });
            TypeAndEnter(dialog, dir_.filePath(QStringLiteral("old")));
            stayedOpen = dialog->isVisible();
            static_cast<QDialog*>(dialog)->reject();  // then the user cancels
        });
        QCOMPARE(platform.AskSaveFileName(nullptr, ReportRequest()), QString());
        QVERIFY(asked);
        QVERIFY(stayedOpen);
        QVERIFY(wholeCaption);
    }

    // The program's shortest messages in boxes that show the caption whole.
    void aMessageBoxShowsItsCaptionWhole_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("the empty name") << "Please Enter your Name";
        QTest::newRow("a second copy") << "Application is already running";
    }

    void aMessageBoxShowsItsCaptionWhole() {
        QFETCH(QString, text);
        QtPlatform platform(dir_.filePath(QStringLiteral("settings.ini")));
        QString shown, seen;
        bool wholeCaption = false;
        OnTopDialog([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            QVERIFY(message);
            shown = message->text();
            seen = QStringLiteral("%1 pixels wide").arg(message->width());
            wholeCaption = ShowsCaptionWhole(message) && message->windowTitle() == u"Qorvel Japanese Zodiac";
            message->button(QMessageBox::Ok)->click();
        });
        platform.ShowMessage(nullptr, text, Platform::Icon::Information);
        QCOMPARE(shown, text);
        QVERIFY2(wholeCaption, qPrintable(seen));
    }

    void thePrintDialogOffersNoPageRangeAndTheSelectionOnlyWhenThereIsOne() {
        for (const bool selection : {true, false}) {
            QtPlatform platform(dir_.filePath(QStringLiteral("settings.ini")));
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
            bool pageRange = true, offersSelection = !selection, selectionChosen = !selection;
            OnTopDialog([&](QWidget* top) {
                auto* dialog = qobject_cast<QPrintDialog*>(top);
                QVERIFY(dialog);
                // Qt's own widgets, by the names its dialog gives them.
                const auto offered = [dialog](const char* name) {
                    const auto* radio = dialog->findChild<QRadioButton*>(QLatin1String(name));
                    return radio && !radio->isHidden() && radio->isEnabled();
                };
                pageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange) || offered("printRange") ||
                            offered("pagesRadioButton");
                offersSelection = dialog->testOption(QAbstractPrintDialog::PrintSelection) && offered("printSelection");
                selectionChosen =
                    offersSelection && dialog->findChild<QRadioButton*>(QStringLiteral("printSelection"))->isChecked();
                dialog->reject();
            });
            QVERIFY(!platform.AskPrintSettings(nullptr, printer, selection));
            QVERIFY(!pageRange);
            QCOMPARE(offersSelection, selection);
            QCOMPARE(selectionChosen, selection);
        }
    }

    // Storing a setting on the edge of the disk's room: past a file-size limit,
    // the stored file, its date among the rest, stays as it was; with one page
    // left, room for a new copy or for QSettings' lock file but not for both,
    // the new copy is complete. Never is the file emptied or cut.
    void aStoreThatCannotFinishKeepsTheStoredFile_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("date");
        QTest::newRow("a file-size limit") << false << "11/17/2026";
        QTest::newRow("one page left on the disk") << true << "12/8/2026";
    }

    void aStoreThatCannotFinishKeepsTheStoredFile() {
        QFETCH(bool, fullDisk);
        QFETCH(QString, date);
        const QString folder = dir_.filePath(fullDisk ? QStringLiteral("full") : QStringLiteral("limited"));
        QVERIFY(QDir().mkpath(folder));
        std::optional<FullDisk> disk;
        if (fullDisk) {
            disk.emplace(folder);
            if (!disk->mounted()) QSKIP("only root may mount the full disk");
        }
        const QString file = folder + QStringLiteral("/settings.ini");
        {
            QSettings stored(file, QSettings::IniFormat);
            stored.setValue(QStringLiteral("Settings/Duration"), QStringLiteral("11/17/2026"));
            stored.setValue(QStringLiteral("Other/kept"), QString(400, u'x'));
        }
        const QByteArray before = ReadFile(file);
        QVERIFY(before.size() > 400);
        {
            QtPlatform platform(file);
            QCOMPARE(platform.SettingValue(QStringLiteral("Settings"), QStringLiteral("Duration")),
                     QStringLiteral("11/17/2026"));
            if (disk) {
                disk->Fill(4096);
                platform.SetSettingValue(QStringLiteral("Settings"), QStringLiteral("Duration"),
                                         QStringLiteral("12/8/2026"));
            } else {
                const FileSizeLimit limit(200);
                platform.SetSettingValue(QStringLiteral("Settings"), QStringLiteral("Duration"),
                                         QStringLiteral("12/8/2026"));
            }
        }
        if (!fullDisk) QCOMPARE(ReadFile(file), before);
        QtPlatform again(file);
        QCOMPARE(again.SettingValue(QStringLiteral("Settings"), QStringLiteral("Duration")), date);
        QCOMPARE(again.SettingValue(QStringLiteral("Other"), QStringLiteral("kept")), QString(400, u'x'));
    }
};

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
