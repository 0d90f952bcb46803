// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/sound/SoundPort.h"
#include "shell/table/ClickLabel.h"
#include "shell/table/TableWindow.h"
#include "support/ScriptedRandom.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

namespace quellard::testing {

// What a file holds, empty when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// Replaces what a file holds; true when all of it was written.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Records the sound files the window asked for, by their path in the game's folder: "sounds/whoosh.wav".
struct RecordingSound : SoundPort {
    std::string folder;
    QStringList played;
    void play(const std::string &path) override
    {
        const bool inFolder = path.rfind(folder + "/", 0) == 0;
        played << QString::fromStdString(inFolder ? path.substr(folder.size() + 1) : path);
    }
};

// Answers message boxes as they open with the buttons queued (else the first), recording each as
// `Warning OK "Quellard": Please bet first!!` and its centre; hands other modals to `otherModal`.
// One at a time: a test has one table harness alive.
class ModalAnswerer : public QObject {
public:
    ModalAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(5);
    }
    QStringList seen;
    QList<QPoint> centres;
    QStringList enterAndFocus; // each box's button that Enter presses, and the one with the keyboard
    QList<QMessageBox::StandardButton> answers;
    std::function<void(QWidget *)> otherModal;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal); box && !box->isActiveWindow()) {
            return; // read once it has the keyboard
        } else if (box) {
            QStringList buttons;
            for (const QAbstractButton *button : box->buttons())
                buttons << button->text();
            seen << QStringLiteral("%1 %2 \"%3\": %4")
                        .arg(QMetaEnum::fromType<QMessageBox::Icon>().valueToKey(box->icon()), buttons.join('/'),
                             box->windowTitle(), box->text());
            centres << box->frameGeometry().center();
            QString enter = QStringLiteral("nothing");
            for (const QPushButton *button : box->findChildren<QPushButton *>())
                enter = button->isDefault() ? button->text() : enter;
            const auto *focus = qobject_cast<const QAbstractButton *>(box->focusWidget());
            enterAndFocus << enter + '/' + (focus ? focus->text() : "nothing");
            QAbstractButton *button = answers.isEmpty() ? nullptr : box->button(answers.takeFirst());
            later([button = button ? button : box->buttons().value(0)] { button->click(); });
        } else if (modal && m_handling.contains(modal)) {
            return; // its handler is still at work, waiting on something
        } else if (modal && otherModal) {
            later([this, modal] { m_handling << modal, otherModal(modal), m_handling.removeOne(modal); });
        } else if (modal) {
            // A window the test did not expect would wait for good: it fails the test, and is closed.
            seen << QStringLiteral("unanswered %1 \"%2\"").arg(modal->objectName(), modal->windowTitle());
            QTest::qFail(qPrintable(seen.last()), __FILE__, __LINE__);
            later([modal] { modal->close(); });
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
    QList<QWidget *> m_handling;
};

// The table window as a player gets it, in a game folder of its own holding the game's sounds and
// (unless told otherwise) card backs; cards, sounds and pauses are under the test's control.
struct TableHarness {
    explicit TableHarness(bool withPictures = true, double pauseScale = 0.0)
    {
        for (const QString &name : QStringList{"images", "sounds"}.mid(withPictures ? 0 : 1)) {
            QDir(dir.path()).mkdir(name);
            for (const QFileInfo &entry : QDir(QUELLARD_ASSETS_DIR "/" + name).entryInfoList(QDir::Files))
                QFile::copy(entry.filePath(), file(name + '/' + entry.fileName()));
        }
        sound.folder = bytes();
        random.undealt = [] { QTest::qFail("a card was drawn that the test did not deal", __FILE__, __LINE__); };
        // No help page or web address is opened.
        const TableWindowOptions options{
            .appFolder = bytes(), .random = &random, .sound = &sound, .pauseScale = pauseScale, .opener = {}};
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
    // The strip of a card slot the next card leaves in sight, as last drawn on the screen (not grab()).
    QImage onScreen(const QString &slotName) const
    {
        const QPoint at = find(slotName)->mapTo(window.get(), QPoint());
        return window->screen()->grabWindow(window->winId(), at.x(), at.y(), 20, 90).toImage();
    }
    QString caption(const QString &labelName) const { return find<QLabel>(labelName)->text(); }
    bool open(const QString &labelName) const { return find(labelName)->isEnabled(); }
    // What a screen reader finds on the table, in its order: each control's name, with its role (a
    // graphic bare), whether it is unavailable, and the keys of a press it offers.
    QStringList readAloud() const
    {
        QAccessibleInterface *tree = QAccessible::queryAccessibleInterface(window->centralWidget());
        const QString press = QAccessibleActionInterface::pressAction();
        QStringList read;
        for (int i = 0; i < tree->childCount(); ++i) {
            QAccessibleInterface *control = tree->child(i);
            const QAccessibleActionInterface *actions = control->actionInterface();
            read << QString(control->role() == QAccessible::StaticText ? "text "
                            : control->role() == QAccessible::Graphic  ? ""
                                                                       : "button ") +
                        control->text(QAccessible::Name) + (control->state().disabled ? " unavailable" : "") +
                        (actions && actions->actionNames().contains(press)
                             ? " [" + actions->keyBindingsForAction(press).join(", ") + ']'
                             : "") +
                        (control->parent() == tree && tree->indexOfChild(control) == i ? "" : " lost in the tree");
        }
        return read;
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    std::string bytes() const { return QFile::encodeName(dir.path()).toStdString(); }
    QByteArray read(const QString &name) const { return fileBytes(file(name)); }
    bool write(const QString &name, const QByteArray &bytes) const { return writeFile(file(name), bytes); }
    QString settingsText() const { return QString::fromLatin1(read(QStringLiteral("Quellard.ini"))); }
    // The Options > Deck items in menu order, "v" where ticked and "-" where not.
    QString deckTicks() const
    {
        QString ticks;
        for (const QAction *item : window->menus().deckItems)
            ticks += item->isChecked() ? 'v' : '-';
        return ticks;
    }

    QTemporaryDir dir;
    ScriptedRandom random;
    RecordingSound sound;
    ModalAnswerer modals;
    std::unique_ptr<TableWindow> window;
};

} // namespace quellard::testing
