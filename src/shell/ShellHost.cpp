#include "shell/ShellHost.h"

#include "settings/ApplicationTitle.h"
#include "shell/InsuranceDialog.h"
#include "shell/SoundPort.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QTime>
#include <QTimer>

namespace quellard {

namespace {

QString qstring(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    return icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information;
}

} // namespace

ShellHost::ShellHost(Wiring wiring) : m_wiring(std::move(wiring)) {}

QWidget *ShellHost::dialogParent() const
{
    // A refusal during the insurance question shows over the question.
    QWidget *modal = QApplication::activeModalWidget();
    return modal ? modal : m_wiring.window;
}

void ShellHost::showMessage(std::string_view text, MessageIcon icon)
{
    tableChanged();
    QMessageBox box(qtIcon(icon), qstring(kApplicationTitle), qstring(text), QMessageBox::Ok, dialogParent());
    box.exec();
}

bool ShellHost::askYesNo(std::string_view text, MessageIcon icon)
{
    tableChanged();
    QMessageBox box(qtIcon(icon), qstring(kApplicationTitle), qstring(text), QMessageBox::Yes | QMessageBox::No,
                    dialogParent());
    return box.exec() == QMessageBox::Yes;
}

void ShellHost::askInsurance(InsuranceAnswers &answers)
{
    tableChanged();
    InsuranceDialog dialog(answers, m_wiring.window);
    dialog.exec();
}

bool ShellHost::soundSwitchOn() const { return m_wiring.soundSwitch && m_wiring.soundSwitch->isChecked(); }

void ShellHost::playSound(std::string_view fileName)
{
    if (m_wiring.sound)
        m_wiring.sound->play(QDir(m_wiring.appFolder).filePath(QStringLiteral("sounds/") + qstring(fileName)));
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
