#include "platform/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>

#include "core/program_name.h"
#include "os/file_writing.h"

namespace zodiac {
namespace {

// A lone carriage return separates lines in our messages.
QString Lines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QMessageBox::Icon ToQt(Platform::Icon icon) {
    return icon == Platform::Icon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

// Filters come as "description|pattern" pairs; Qt's dialog wants "description (pattern)".
QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i].trimmed() + QStringLiteral(" (") + parts[i + 1].trimmed() + QLatin1Char(')');
    }
    return filters.isEmpty() ? filter : filters.join(QStringLiteral(";;"));
}

// The room a window manager's title bar needs to show `caption` whole: the
// caption in a bold title font, and an icon, three buttons and the frame
// beside it. Qt sizes a message box by its text alone, and openbox then shows
// "Qorvel J… Zodiac" above "Please Enter your Name".
int CaptionRoom(const QString& caption) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(caption) + 5 * metrics.height();
}

// Every message box of ours: Qt gives it the width of its layout, which an
// empty row as wide as the caption's room widens.
int RunMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                  QMessageBox::StandardButtons buttons,
                  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(CaptionRoom(title), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box.exec();
}

// A save dialog that refuses a file in a folder that does not exist, and stays
// open for another choice, instead of letting the writing fail afterwards. It
// asks about replacing a file itself, in a box that shows its caption whole.
class SaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    bool folderMustExist = true;
    bool confirmOverwrite = true;

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo chosen(files.constFirst());
            if (folderMustExist && !chosen.isDir() && !chosen.absoluteDir().exists()) {
                RunMessageBox(this, QMessageBox::Warning, windowTitle(),
                              QStringLiteral("The folder %1 does not exist.\nCheck the name and try again.")
                                  .arg(QDir::toNativeSeparators(chosen.absolutePath())),
                              QMessageBox::Ok);
                return;
            }
            if (confirmOverwrite && chosen.exists() && !chosen.isDir() &&
                RunMessageBox(
                    this, QMessageBox::Warning, windowTitle(),
                    QStringLiteral("The file %1 already exists.\nDo you want to replace it?").arg(chosen.fileName()),
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
                return;
            }
        }
        QFileDialog::accept();
    }
};

// Qt's dialog offers a page range whenever it can hand page selection to CUPS,
// even when told not to; the report has no pages to choose from, so it goes.
class PrintDialog : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;

    void setVisible(bool visible) override {
        QPrintDialog::setVisible(visible);
        if (!visible || testOption(PrintPageRange)) return;
        for (const char* name : {"printRange", "pagesRadioButton"}) {
            if (auto* range = findChild<QRadioButton*>(QLatin1String(name))) range->setEnabled(false);
        }
    }
};

// QSettings replaces its file through a QSaveFile whose final flush it never
// checks: on a nearly full disk it renames an empty or cut copy over the stored
// settings and reports no error. So QSettings writes a scratch copy instead,
// which is read back whole before a checked write puts it in place; anything
// that fails leaves the stored file as it was.
bool StoreSetting(QSettings& stored, const QString& key, const QString& value) {
    QTemporaryDir scratch;
    if (!scratch.isValid()) return false;
    const QString written = scratch.filePath(QStringLiteral("written.ini"));
    const QString reread = scratch.filePath(QStringLiteral("reread.ini"));
    QFile old(stored.fileName());
    if (old.exists() && (!old.open(QIODevice::ReadOnly) || !WriteWholeFile(written, old.readAll()).ok())) return false;
    {
        QSettings copy(written, QSettings::IniFormat);
        copy.setValue(key, value);
        copy.sync();
        if (copy.status() != QSettings::NoError) return false;
    }
    // Under another name, so that QSettings parses the disk rather than its cache.
    if (!QFile::rename(written, reread)) return false;
    QSettings check(reread, QSettings::IniFormat);
    const QStringList keys = stored.allKeys();
    const bool whole = check.status() == QSettings::NoError && check.value(key) == value &&
                       std::all_of(keys.cbegin(), keys.cend(),
                                   [&](const QString& k) { return k == key || check.value(k) == stored.value(k); });
    QFile content(reread);
    if (!whole || !content.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(stored.fileName()).absolutePath()) ||
        !WriteWholeFile(stored.fileName(), content.readAll()).ok()) {
        return false;
    }
    stored.sync();  // reads the new file back
    return true;
}

}  // namespace

QtPlatform::QtPlatform(QString settingsFile) : settingsFile_(std::move(settingsFile)) {}
QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowMessage(QWidget* parent, const QString& text, Icon icon) {
    RunMessageBox(parent, ToQt(icon), kApplicationTitle, Lines(text), QMessageBox::Ok);
}

bool QtPlatform::AskYesNo(QWidget* parent, const QString& text, Icon icon) {
    return RunMessageBox(parent, ToQt(icon), kApplicationTitle, Lines(text), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtPlatform::OpenWebAddress(const QUrl& address) { QDesktopServices::openUrl(address); }

QDate QtPlatform::Today() { return QDate::currentDate(); }

void QtPlatform::SeedRandom() {
    generator_.seed(
        static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double QtPlatform::Random() { return std::uniform_real_distribution<double>(0.0, 1.0)(generator_); }

QSettings& QtPlatform::SettingsFile() {
    // Per user, under the executable's own name, or in the file we were given.
    if (!settings_) {
        const QString name = QCoreApplication::applicationName();
        settings_ = settingsFile_.isEmpty()
                        ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, name, name)
                        : std::make_unique<QSettings>(settingsFile_, QSettings::IniFormat);
    }
    return *settings_;
}

QString QtPlatform::SettingValue(const QString& section, const QString& key) {
    return SettingsFile().value(section + QLatin1Char('/') + key).toString();
}

void QtPlatform::SetSettingValue(const QString& section, const QString& key, const QString& value) {
    // QSettings would rewrite a file it could not fully read without the lines it
    // did not understand; such a file is left exactly as it is.
    if (SettingsFile().status() == QSettings::FormatError) return;
    StoreSetting(SettingsFile(), section + QLatin1Char('/') + key, value);  // a failure goes unreported
}

QString QtPlatform::AskSaveFileName(QWidget* parent, const SaveDialogRequest& request) {
    // The user's documents the first time, then the folder last saved to, for
    // as long as the program runs; never wherever the program was started from.
    QString folder = lastSaveFolder_;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir(folder).exists()) folder = QDir::homePath();
    }
    SaveDialog dialog(parent, request.title, folder, QtFilter(request.filter));
    // Qt's own dialog everywhere, so that every desktop gets the same checks.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.folderMustExist = request.folderMustExist;
    dialog.confirmOverwrite = request.confirmOverwrite;
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    lastSaveFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

bool QtPlatform::AskPrintSettings(QWidget* parent, QPrinter& printer, bool selectionAvailable) {
    PrintDialog dialog(&printer, parent);
    // The report is printed whole or as the selection; it has no page range to offer.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selectionAvailable);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer.printRange() == QPrinter::PageRange) printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges({});
    return true;
}

void QtPlatform::EndProcess() { QCoreApplication::exit(0); }

}  // namespace zodiac
