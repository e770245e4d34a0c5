#pragma once

#include <QString>

class QPrinter;
class QTextEdit;
class QWidget;

namespace zodiac {

class Platform;

// The report box's content as an RTF document.
QByteArray ReportRtf(const QTextEdit& box);

// Asks where to save, then writes the box as RTF whatever the name's extension.
// An existing file is replaced only by a complete new one; a failure is shown.
void SaveReport(Platform& platform, QWidget* parent, const QTextEdit& box);

// Asks for a printer, offering the selection when there is one, then prints what
// the user chose, as the box shows it and with nothing added around it.
void PrintReport(Platform& platform, QWidget* parent, const QTextEdit& box, QPrinter& printer);

}  // namespace zodiac
