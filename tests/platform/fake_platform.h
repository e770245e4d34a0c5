#pragma once

#include <QDate>
#include <QMap>
#include <QPrinter>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "platform/platform.h"

namespace zodiac::testing {

// Answers as told and records every call; never blocks and never opens anything.
class FakePlatform final : public Platform {
public:
    struct Message {
        QString text;
        Icon icon;
        bool operator==(const Message&) const = default;
    };

    std::vector<Message> messages;
    std::vector<Message> questions;
    std::deque<bool> answers;           // next Yes/No answers; No when empty
    std::function<void()> whileAsking;  // runs while a question is open
    QStringList opened;
    QDate todayIs{2026, 12, 7};
    std::deque<double> draws;  // next random numbers; 0 when empty
    int seeds = 0;
    QMap<QString, QString> settings;
    std::vector<SaveDialogRequest> saveRequests;
    std::deque<QString> saveAnswers;
    std::vector<bool> printRequests;                       // selectionAvailable of each print dialog
    std::vector<QPrinter::PrintRange> printRangesOffered;  // what each print dialog opened with
    std::optional<QPrinter::PrintRange> printRangeChosen;  // the user's choice in the dialog, if any
    QString printToFile;                                   // a PDF file chosen in the dialog, if any
    bool printAnswer = true;
    std::function<void()> whilePrinting;  // runs while the print dialog is open
    int ended = 0;

    void ShowMessage(QWidget*, const QString& text, Icon icon) override { messages.push_back({text, icon}); }
    bool AskYesNo(QWidget*, const QString& text, Icon icon) override {
        questions.push_back({text, icon});
        if (whileAsking) whileAsking();
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void OpenWebAddress(const QUrl& address) override { opened << address.toString(QUrl::FullyEncoded); }
    QDate Today() override { return todayIs; }
    void SeedRandom() override { ++seeds; }
    double Random() override {
        if (draws.empty()) return 0.0;
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
    QString SettingValue(const QString& section, const QString& key) override {
        return settings.value(section + '/' + key);
    }
    void SetSettingValue(const QString& section, const QString& key, const QString& value) override {
        settings[section + '/' + key] = value;
    }
    QString AskSaveFileName(QWidget*, const SaveDialogRequest& request) override {
        saveRequests.push_back(request);
        if (saveAnswers.empty()) return {};
        QString answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    bool AskPrintSettings(QWidget*, QPrinter& printer, bool selectionAvailable) override {
        printRequests.push_back(selectionAvailable);
        printRangesOffered.push_back(printer.printRange());
        if (whilePrinting) whilePrinting();
        if (printRangeChosen) printer.setPrintRange(*printRangeChosen);
        if (!printToFile.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printToFile);
        }
        return printAnswer;
    }
    void EndProcess() override { ++ended; }
};

}  // namespace zodiac::testing
