// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/DeckBackView.h"
#include "settings/DeckBacks.h"
#include "settings/Settings.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quellard {

// The choice of card back: the seven Options > Deck items, their ticks, and the stored choice
// applied at start-up. The ticks are never remembered on their own; they are worked out from the
// settings file each time the Options menu opens.
class DeckBackSelection {
public:
    // The pictures lie in filesFolder's images folder.
    DeckBackSelection(const SettingsStore &settings, DeckBackView &view, std::string filesFolder);

    // A deck item was chosen: show its picture and remember it, or say the file is missing and
    // change nothing. The ticks are left alone; they follow the file when the menu next opens.
    void menuItemClick(std::size_t item);

    // Shows the picture, found in any letter case, or says it does not exist. True when the
    // picture now shows.
    bool loadDeckImage(const std::string &path);

    // At start-up: shows the stored card back, or the default one (ticking Default) when nothing
    // is stored. The stored name is used as it stands, even if it is none of the seven.
    void applyStoredChoice();

    // The Options menu is opening: tick the item of the stored choice.
    void optionsMenuOpened();

    // The folder's images/fileName.
    std::string imagePath(std::string_view fileName) const;

private:
    const SettingsStore &m_settings;
    DeckBackView &m_view;
    std::string m_filesFolder;
};

} // namespace quellard
