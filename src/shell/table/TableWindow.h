// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/Game.h"
#include "game/RandomSource.h"
#include "settings/DeckBackSelection.h"
#include "settings/Settings.h"
#include "settings/SoundSwitch.h"
#include "shell/dialogs/DesktopOpener.h"
#include "shell/dialogs/TableMenus.h"
#include "shell/table/ShellHost.h"
#include "shell/table/TableLayout.h"

#include <QMainWindow>
#include <QPixmap>
#include <memory>

namespace quellard {

class HelpMenu;
class HoverHighlight;
class SoundPort;

struct TableWindowOptions {
    // The executable's folder, as the file system's bytes: a game folder holding the pictures,
    // sounds and help page, or the installed layout's program folder.
    std::string appFolder = {};
    RandomSource *random = nullptr;     // a clock-seeded source when null
    SoundPort *sound = nullptr;         // the desktop's sound server when null
    double pauseScale = 1.0;            // tests shorten the dealer's pauses
    UrlOpener opener = openWithDesktop; // how help pages and web addresses are opened
    // Where the settings go for an installed game, or when the game's folder is not the player's
    // to write; the player's own settings folder when empty.
    QString userSettingsFolder = {};
    // The table the game starts from: a fresh one, unless a test or benchmark sets up another.
    Table table = Table::fresh();
};

// BJMain, the table: the felt with the cards, the money, the chips and the actions, and the menus.
// It owns the game and shows it; every click and menu command runs one of the game's operations and
// then draws the table again.
class TableWindow : public QMainWindow, private DeckBackView {
    Q_OBJECT
public:
    explicit TableWindow(const TableWindowOptions &options = {}, QWidget *parent = nullptr);
    ~TableWindow() override;

    // Lays the table empty and applies the stored card back and sound switch; runs before the
    // window is first shown.
    void formLoad();

    const Game &game() const { return m_game; }
    const TableMenus &menus() const { return m_menus; }
    const QPixmap &cardBack() const { return m_cardBack; }
    bool dealerPausing() const { return m_host.pausing(); }

    // Shows the game's state: amounts, cards, which actions are open.
    void render();

signals:
    // The table window has been closed: the program ends.
    void unloaded();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void formUnload();
    void connectControls();
    void connectMenus();
    void run(const std::function<void()> &operation);
    void soundClick(bool nowTicked);

    // DeckBackView
    void reportProblem(DeckBackProblem problem) override;
    bool showCardBack(const std::string &path) override;
    void setTick(std::size_t item, bool ticked) override;

    GameFolders m_folders;
    std::unique_ptr<RandomSource> m_ownedRandom;
    std::unique_ptr<SoundPort> m_ownedSound;
    QPixmap m_cardBack;
    TableControls m_controls;
    TableMenus m_menus;
    ShellHost m_host;
    Game m_game;
    SettingsStore m_settings;
    DeckBackSelection m_deckBacks;
    SoundSwitch m_soundSwitch;
    HoverHighlight *m_hover = nullptr;
    HelpMenu *m_helpMenu = nullptr;
    bool m_centred = false;
};

} // namespace quellard
