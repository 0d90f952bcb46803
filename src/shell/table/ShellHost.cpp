// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/table/ShellHost.h"

#include "settings/AppPaths.h"
#include "shell/dialogs/InsuranceDialog.h"
#include "shell/look/Look.h"
#include "shell/sound/SoundPort.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTime>
#include <QTimer>

namespace quellard {

ShellHost::ShellHost(Wiring wiring) : m_wiring(std::move(wiring)) {}

QWidget *ShellHost::dialogParent() const
{
    // A refusal during the insurance question shows over the question. Before the table is first
    // shown (a missing card back at start-up) a box has no window to sit over: it then opens
    // in the middle of the screen, where the table opens afterwards.
    QWidget *modal = QApplication::activeModalWidget();
    if (modal)
        return modal;
    return m_wiring.window && m_wiring.window->isVisible() ? m_wiring.window : nullptr;
}

bool ShellHost::showMessage(PlayerMessage message)
{
    tableChanged();
    return showPlayerMessage(message, dialogParent());
}

void ShellHost::refuse(Refusal refusal) { showMessage(playerMessage(refusal)); }

bool ShellHost::askToStartAgain() { return showMessage(PlayerMessage::OutOfMoney); }

void ShellHost::askInsurance(const std::function<void(InsuranceAnswer)> &answer)
{
    tableChanged();
    InsuranceDialog dialog(answer, m_wiring.window);
    dialog.exec();
}

bool ShellHost::soundSwitchOn() const { return m_wiring.soundSwitch && m_wiring.soundSwitch->isChecked(); }

void ShellHost::playSound(std::string_view fileName)
{
    if (m_wiring.sound)
        m_wiring.sound->play(appFilePath(m_wiring.appFolder, "sounds", fileName));
}

double ShellHost::secondsSinceMidnight() const { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void ShellHost::pause(std::chrono::milliseconds length)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(std::chrono::milliseconds(qRound64(double(length.count()) * m_wiring.pauseScale)));
    m_pauseLoop = &loop;
    loop.exec();
    m_pauseLoop = nullptr;
}

void ShellHost::cancelPause()
{
    if (m_pauseLoop)
        m_pauseLoop->quit();
}

void ShellHost::tableChanged()
{
    if (m_wiring.render)
        m_wiring.render();
}

} // namespace quellard
