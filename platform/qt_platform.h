#pragma once

#include <memory>
#include <random>

#include "platform/platform.h"

class QSettings;

namespace zodiac {

class QtPlatform final : public Platform {
public:
    // Settings go to the user's own store for this program, or to `settingsFile`.
    explicit QtPlatform(QString settingsFile = {});
    ~QtPlatform() override;

    void ShowMessage(QWidget* parent, const QString& text, Icon icon) override;
    bool AskYesNo(QWidget* parent, const QString& text, Icon icon) override;
    void OpenWebAddress(const QUrl& address) override;
    QDate Today() override;
    void SeedRandom() override;
    double Random() override;
    QString SettingValue(const QString& section, const QString& key) override;
    void SetSettingValue(const QString& section, const QString& key, const QString& value) override;
    QString AskSaveFileName(QWidget* parent, const SaveDialogRequest& request) override;
    bool AskPrintSettings(QWidget* parent, QPrinter& printer, bool selectionAvailable) override;
    void EndProcess() override;

private:
    QSettings& SettingsFile();

    std::mt19937 generator_;
    QString settingsFile_;
    QString lastSaveFolder_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace zodiac
