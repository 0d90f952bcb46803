// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the start-up benchmark: what any Qt Widgets program with the table's window costs.
// A bare main window of the table's size with as many widgets as the table has (18 labels, 15
// picture boxes, 13 shapes) and the same menu bar, but no game, no pictures, no sounds, no settings
// and no fonts of its own.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

QWidget *box(QWidget *form, int x, int y, int w, int h, QColor colour)
{
    auto *widget = new QWidget(form);
    widget->setGeometry(x, y, w, h);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    return widget;
}

void addMenus(QMainWindow &window)
{
    QMenuBar *bar = window.menuBar();
    QMenu *file = bar->addMenu(QStringLiteral("&File "));
    file->addAction(QStringLiteral("Re-Start &New Game"))->setShortcut(QKeySequence(Qt::Key_F2));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    QMenu *deck = bar->addMenu(QStringLiteral("Options"))->addMenu(QStringLiteral("Deck"));
    const char *decks[] = {"Default", "Roman Wall", "Tyne Bridge", "Big Cat", "Lake", "Marine Life", "Bruce Almighty"};
    for (const char *name : decks) {
        deck->addAction(QString::fromLatin1(name))->setCheckable(true);
        if (deck->actions().size() == 1)
            deck->addSeparator();
    }
    QAction *sound = bar->addMenu(QStringLiteral("&Sound"))->addAction(QStringLiteral("&On"));
    sound->setShortcut(QKeySequence(Qt::Key_F5));
    sound->setCheckable(true);
    sound->setChecked(true);
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents ..."))->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    help->addAction(QStringLiteral("&Feedback/Report Bug"));
    help->addAction(QStringLiteral("Homepage"));
    help->addSeparator();
    help->addAction(QStringLiteral("A&bout"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("Floor"));
    auto *form = new QWidget(&window);
    form->setFixedSize(559, 414);
    window.setCentralWidget(form);

    // 13 shapes: the felt, two frames of four lines, four highlights.
    box(form, 16, 8, 529, 361, Qt::darkGreen);
    for (int i = 0; i < 8; ++i)
        box(form, 64 + 10 * i, 48, 1, 40, Qt::black);
    for (int i = 0; i < 4; ++i)
        box(form, 240 + 80 * i, 376, 73, 25, Qt::lightGray);
    // 15 picture boxes: seven for each hand and the deck pile.
    for (int i = 0; i < 7; ++i) {
        box(form, 168 + 24 * i, 32, 73, 97, Qt::white);
        box(form, 168 + 24 * i, 240, 73, 97, Qt::white);
    }
    box(form, 40, 136, 73, 97, Qt::white);
    // 18 labels: captions, amounts, chips and actions.
    const char *captions[] = {"0",   "0",   "Your bet:", "£", "0", "Your Cash:", "£",   "500",   "£5",
                              "£10", "£50", "",          "",  "",  "New",        "Hit", "Stand", "Double"};
    int n = 0;
    for (const char *text : captions) {
        auto *label = new QLabel(QString::fromUtf8(text), form);
        label->setGeometry(8 + 30 * (n % 18), 280 + 4 * (n % 5), 60, 24);
        ++n;
    }
    addMenus(window);

    window.show();
    return QApplication::exec();
}
