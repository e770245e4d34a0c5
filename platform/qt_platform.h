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

    void showMessage(QWidget* parent, const QString& text, Icon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, Icon icon) override;
    void openWebAddress(const QUrl& address) override;
    QDate today() override;
    void seedRandom() override;
    double random() override;
    QString settingValue(const QString& section, const QString& key) override;
    void setSettingValue(const QString& section, const QString& key, const QString& value) override;
    QString askSaveFileName(QWidget* parent, const SaveDialogRequest& request) override;
    bool askPrintSettings(QWidget* parent, QPrinter& printer, bool selectionAvailable) override;
    void endProcess() override;

private:
    QSettings& settings();

    std::mt19937 generator_;
    QString settingsFile_;
    QString lastSaveFolder_;
    std::unique_ptr<QSettings> settings_;
};

}  // namespace zodiac
