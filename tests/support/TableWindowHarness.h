#pragma once

#include "shell/ClickLabel.h"
#include "shell/SoundPort.h"
#include "shell/TableWindow.h"
#include "support/ScriptedRandom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace quellard::testing {

// Records the sound files the window asked for, by their path in the game's folder:
// "sounds/whoosh.wav".
struct RecordingSound : SoundPort {
    std::string folder;
    QStringList played;
    void play(const std::string &path) override
    {
        const bool inFolder = path.rfind(folder + "/", 0) == 0;
        played << QString::fromStdString(inFolder ? path.substr(folder.size() + 1) : path);
    }
};

// A player's application folder in a temporary directory, with the game's card backs and sounds.
struct ApplicationFolder {
    explicit ApplicationFolder(bool withPictures = true)
    {
        for (const QString &name : QStringList{"images", "sounds"}.mid(withPictures ? 0 : 1)) {
            QDir(dir.path()).mkdir(name);
            for (const QFileInfo &entry :
                 QDir(QStringLiteral(QUELLARD_ASSETS_DIR "/") + name).entryInfoList(QDir::Files))
                QFile::copy(entry.filePath(), dir.filePath(name + QLatin1Char('/') + entry.fileName()));
        }
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    std::string bytes() const { return QFile::encodeName(dir.path()).toStdString(); }
    QTemporaryDir dir;
};

// What a modal message box said.
struct SeenMessage {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QPoint centre; // of the box on the screen
};

// Answers the modal message boxes as they open, with the buttons queued (the first button when
// none is), and records them; hands any other modal to `otherModal`. Nothing is left blocking.
class ModalAnswerer : public QObject {
public:
    ModalAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(5);
    }
    QList<SeenMessage> seen;
    QList<QMessageBox::StandardButton> answers;
    std::function<void(QWidget *)> otherModal;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen << SeenMessage{box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                                box->frameGeometry().center()};
            QAbstractButton *button = answers.isEmpty() ? nullptr : box->button(answers.takeFirst());
            later([button = button ? button : box->buttons().value(0)] { button->click(); });
        } else if (modal && otherModal) {
            later([this, modal] { otherModal(modal); });
        }
    }
    // The answer may open another modal (a refusal over the insurance question): the poll must
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
};

// The table window as a player gets it, with the cards, sounds and pauses under the test's control.
struct TableHarness {
    explicit TableHarness(bool withPictures = true, double pauseScale = 0.0, Table start = Table::fresh())
        : folder(withPictures)
    {
        sound.folder = folder.bytes();
        window = std::make_unique<TableWindow>(
            TableWindowOptions{.appFolder = folder.bytes(),
                               .random = &random,
                               .sound = &sound,
                               .pauseScale = pauseScale,
                               .opener = [this](const QUrl &url) { return opened << url, true; },
                               .table = start});
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
    bool open(const QString &labelName) const { return find(labelName)->isEnabled(); }
    QString settingsText() const
    {
        QFile file(folder.file(QStringLiteral("Quellard.ini")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }

    ApplicationFolder folder;
    ScriptedRandom random;
    RecordingSound sound;
    QList<QUrl> opened;
    ModalAnswerer modals;
    std::unique_ptr<TableWindow> window;
};

} // namespace quellard::testing
