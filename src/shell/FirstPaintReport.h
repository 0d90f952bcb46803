// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace quellard {

// For the start-up benchmark: with QUELLARD_REPORT_FIRST_PAINT set, a program prints
//     first-paint <CLOCK_MONOTONIC in milliseconds>
// once its main window has reached the screen for the first time. The benchmark notes the same
// clock when it starts the program and takes the difference. Header-only, so that the benchmark's
// bare floor window reports exactly as the game does without linking the game.
class FirstPaintReport : public QObject {
public:
    static void watch(QWidget &window)
    {
        if (std::getenv("QUELLARD_REPORT_FIRST_PAINT") && window.windowHandle())
            window.windowHandle()->installEventFilter(new FirstPaintReport(&window));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_reported && static_cast<QWindow *>(watched)->isExposed()) {
            m_reported = true;
            // The first expose paints the widgets and flushes them to the screen before it returns;
            // a zero timer fires after that.
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %.3f\n", double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6);
                std::fflush(stdout);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit FirstPaintReport(QObject *parent) : QObject(parent) {}
    bool m_reported = false;
};

} // namespace quellard
