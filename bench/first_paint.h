#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

// Says "painted" on standard output once `window` has been painted for the first
// time, then ends the process: what the start-up benchmark waits for.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // After this paint has finished.
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};
