#pragma once

#include <QDate>
#include <QString>
#include <QUrl>

class QPrinter;
class QWidget;

namespace zodiac {

// Everything the windows ask of the outside world goes through here, so that tests
// can answer in its place and record what was asked.
class Platform {
public:
    enum class Icon { Information, Critical };

    struct SaveDialogRequest {
        QString title;
        QString filter;
        QString defaultSuffix;  // added to a name typed without an extension
        bool confirmOverwrite = true;
        bool folderMustExist = true;
    };

    virtual ~Platform() = default;

    virtual void ShowMessage(QWidget* parent, const QString& text, Icon icon) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text, Icon icon) = 0;
    // Opens the address in the default browser; failures are silent.
    virtual void OpenWebAddress(const QUrl& address) = 0;
    virtual QDate Today() = 0;
    virtual void SeedRandom() = 0;
    // A random number in [0, 1).
    virtual double Random() = 0;
    virtual QString SettingValue(const QString& section, const QString& key) = 0;
    virtual void SetSettingValue(const QString& section, const QString& key, const QString& value) = 0;
    // The chosen file, or empty when the user cancelled.
    virtual QString AskSaveFileName(QWidget* parent, const SaveDialogRequest& request) = 0;
    // False when the user cancelled; `selectionAvailable` offers printing the selection.
    virtual bool AskPrintSettings(QWidget* parent, QPrinter& printer, bool selectionAvailable) = 0;
    // Ends the program once every window has gone.
    virtual void EndProcess() = 0;
};

}  // namespace zodiac
