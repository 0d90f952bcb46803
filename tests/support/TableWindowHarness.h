#pragma once

#include "shell/ClickLabel.h"
#include "shell/SoundPort.h"
#include "shell/TableWindow.h"
#include "support/ScriptedRandom.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace quellard::testing {

// Remembers which sound files the window asked for, by file name.
class RecordingSound : public SoundPort {
public:
    QStringList played;
    void play(const std::string &path) override { played << QFileInfo(QFile::decodeName(path.c_str())).fileName(); }
};

// A player's application folder in a temporary directory, with the game's card backs and sounds.
class ApplicationFolder {
public:
    explicit ApplicationFolder(bool withPictures = true)
    {
        if (withPictures)
            copyFolder(QStringLiteral("images"));
        copyFolder(QStringLiteral("sounds"));
    }
    QString path() const { return m_dir.path(); }
    std::string bytes() const { return QFile::encodeName(m_dir.path()).toStdString(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    void copyFolder(const QString &name)
    {
        const QDir source(QStringLiteral(QUELLARD_ASSETS_DIR "/") + name);
        QDir(m_dir.path()).mkdir(name);
        for (const QString &entry : source.entryList(QDir::Files))
            QFile::copy(source.filePath(entry), m_dir.filePath(name + QLatin1Char('/') + entry));
    }
    QTemporaryDir m_dir;
};

// What a modal message box said, and the button the test pressed.
struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QPoint centre; // of the box on the screen
};

// Answers the next modal message boxes as they open, and records them. Never leaves a box blocking:
// a box that turns up unexpected is answered with its first button.
class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(QObject *parent = nullptr) : QObject(parent)
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start();
    }

    void answerNext(QMessageBox::StandardButton button) { m_answers << button; }

    QList<SeenMessage> seen;
    // Called for any modal that is not a message box (for example the insurance dialog).
    std::function<void(QWidget *)> otherModal;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen << SeenMessage{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                                box->frameGeometry().center()};
            QMessageBox::StandardButton answer = m_answers.isEmpty() ? QMessageBox::NoButton : m_answers.takeFirst();
            QAbstractButton *button = answer != QMessageBox::NoButton ? box->button(answer) : nullptr;
            if (!button)
                button = box->buttons().value(0);
            later([button] { button->click(); });
        } else if (otherModal) {
            later([this, modal] { otherModal(modal); });
        }
    }

    // The answer may open another modal (a refusal over the insurance question); the poll must
    // have returned by then, since a timer does not fire again inside its own slot.
    void later(std::function<void()> action)
    {
        m_timer.stop();
        QTimer::singleShot(0, this, [this, action = std::move(action)] {
            m_timer.start();
            action();
        });
    }

    QTimer m_timer;
    QList<QMessageBox::StandardButton> m_answers;
};

// The table window as a player gets it, with the cards, sounds and pauses under the test's control.
struct TableHarness {
    explicit TableHarness(bool withPictures = true, double pauseScale = 0.0) : folder(withPictures)
    {
        TableWindowOptions options;
        options.appFolder = folder.bytes();
        options.random = &random;
        options.sound = &sound;
        options.pauseScale = pauseScale;
        options.opener = [this](const QUrl &url) {
            opened << url;
            return true;
        };
        window = std::make_unique<TableWindow>(options);
    }

    void load()
    {
        window->formLoad();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    void click(const QString &labelName)
    {
        auto *label = find<ClickLabel>(labelName);
        QVERIFY2(label, qPrintable(labelName));
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }

    QString caption(const QString &labelName) const { return find<QLabel>(labelName)->text(); }

    ApplicationFolder folder;
    ScriptedRandom random;
    RecordingSound sound;
    QList<QUrl> opened;
    ModalAnswerer modals;
    std::unique_ptr<TableWindow> window;
};

} // namespace quellard::testing
