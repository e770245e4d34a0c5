#include "report/report_output.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryFile>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <memory>

#include "core/program_name.h"
#include "core/report_text.h"
#include "os/file_writing.h"
#include "platform/platform.h"
#include "report/report_runs.h"

namespace zodiac {
namespace {

// What is printed: the selection as a document of its own, or the whole report.
std::unique_ptr<QTextDocument> PrintedDocument(const QTextEdit& box, bool onlySelection) {
    std::unique_ptr<QTextDocument> document;
    const QTextCursor selection = box.textCursor();
    if (onlySelection && selection.hasSelection()) {
        document = std::make_unique<QTextDocument>();
        document->setDefaultFont(box.document()->defaultFont());
        QTextCursor(document.get()).insertFragment(selection.selection());
    } else {
        document.reset(box.document()->clone());
    }
    return document;
}

// A reason as the writing gives it, in the words of a command-line message
// ("the folder /proc is in the kernel's proc file system", "No space left on
// device"), made a sentence of its own for a message box.
QString Sentence(QString reason) {
    reason = reason.trimmed();
    if (reason.isEmpty()) return reason;
    reason[0] = reason[0].toUpper();
    if (!reason.endsWith(QLatin1Char('.')) && !reason.endsWith(QLatin1Char('!')) &&
        !reason.endsWith(QLatin1Char('?'))) {
        reason += QLatin1Char('.');
    }
    return reason;
}

// What to tell the user when the printer reports an error; Qt keeps the reason to itself.
QString PrinterFailure(const QPrinter& printer) {
    const QString name = printer.printerName();
    return QStringLiteral("The report could not be printed on %1.\nThe printer reported an error.")
        .arg(name.isEmpty() ? QStringLiteral("the printer") : name);
}

// Why a printed copy came out cut short. Qt's PDF writer drops its write errors,
// so one more write to the copy tells the reason (a full disk, a size limit).
QString WhyCutShort(const QString& copy) {
    QFile probe(copy);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return probe.errorString();
    if (probe.write(QByteArray(64 * 1024, '\0')) < 0) return probe.errorString();
    return QStringLiteral("The printed copy came out incomplete.");
}

// A PDF is printed into a copy of our own first, as Qt's PDF writer neither reports
// a write that fails nor spares the file it truncated. Only a copy seen whole, from
// its header to its trailer, goes to the chosen file, through the writer Save uses:
// beside it, then in its place, so that a failure leaves the old file as it was.
WriteResult PrintToPdfFile(QTextDocument& document, QPrinter& printer) {
    const QString target = printer.outputFileName();
    QTemporaryFile copy(QDir::temp().filePath(QStringLiteral("qorvel-zodiac-print-XXXXXX.pdf")));
    if (!copy.open()) {
        return WriteResult::Failed(QStringLiteral("No printed copy could be made in %1: %2")
                                       .arg(QDir::toNativeSeparators(QDir::tempPath()), copy.errorString()));
    }
    copy.close();  // the printer opens it by name
    printer.setOutputFileName(copy.fileName());
    document.print(&printer);
    printer.setOutputFileName(target);
    if (printer.printerState() == QPrinter::Error) return WriteResult::Failed(WhyCutShort(copy.fileName()));
    if (!copy.open()) return WriteResult::Failed(copy.errorString());
    const QByteArray printed = copy.readAll();
    if (!printed.startsWith("%PDF-") || !printed.trimmed().endsWith("%%EOF")) {
        copy.close();
        return WriteResult::Failed(WhyCutShort(copy.fileName()));
    }
    return WriteWholeFile(target, printed);
}

}  // namespace

QByteArray ReportRtf(const QTextEdit& box) { return QByteArray::fromStdString(ReportRtf(RunsOf(*box.document()))); }

void SaveReport(Platform& platform, QWidget* parent, const QTextEdit& box) {
    Platform::SaveDialogRequest request;
    request.filter = QStringLiteral("Rich Text Format | *.rtf ");
    request.defaultSuffix = QStringLiteral("txt");
    request.confirmOverwrite = true;
    request.folderMustExist = true;
    request.title = kApplicationTitle;
    const QString path = platform.AskSaveFileName(parent, request);
    if (path.isEmpty()) return;  // cancelled

    if (const WriteResult written = WriteWholeFile(path, ReportRtf(box)); !written.ok()) {
        platform.ShowMessage(parent,
                             QStringLiteral("The report could not be saved to %1.\n%2")
                                 .arg(QDir::toNativeSeparators(path), Sentence(written.reason())),
                             Platform::Icon::Critical);
    }
}

void PrintReport(Platform& platform, QWidget* parent, const QTextEdit& box, QPrinter& printer) {
    const bool selection = box.textCursor().hasSelection();
    printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
    if (!platform.AskPrintSettings(parent, printer, selection)) return;
    // The dialog offers the selection chosen, but the user may switch to the whole report.
    const std::unique_ptr<QTextDocument> document = PrintedDocument(box, printer.printRange() == QPrinter::Selection);
    // A document with a page size of its own is printed page by page as laid out;
    // without one, Qt would add margins and a page number at every foot.
    const QRectF page = printer.pageRect(QPrinter::Inch);
    const qreal dpi = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->logicalDotsPerInch() : 96;
    document->setPageSize(QSizeF(page.width() * dpi, page.height() * dpi));
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        if (const WriteResult printed = PrintToPdfFile(*document, printer); !printed.ok()) {
            platform.ShowMessage(
                parent,
                QStringLiteral("The report could not be printed to %1.\n%2")
                    .arg(QDir::toNativeSeparators(printer.outputFileName()), Sentence(printed.reason())),
                Platform::Icon::Critical);
        }
        return;
    }
    document->print(&printer);
    // QTextDocument::print gives up silently when the printer will not start,
    // and the user would wait for a page that never comes.
    if (printer.printerState() == QPrinter::Error) {
        platform.ShowMessage(parent, PrinterFailure(printer), Platform::Icon::Critical);
    }
}

}  // namespace zodiac
