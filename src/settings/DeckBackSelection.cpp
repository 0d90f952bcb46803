// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/DeckBackSelection.h"

#include "settings/AsciiCase.h"
#include "settings/FileChecks.h"

#include <optional>

namespace quellard {

namespace {

std::optional<std::size_t> deckBackNamed(std::string_view fileName)
{
    for (std::size_t i = 0; i < kDeckBacks.size(); ++i)
        if (equalIgnoringCase(kDeckBacks[i].fileName, fileName))
            return i;
    return std::nullopt;
}

} // namespace

DeckBackSelection::DeckBackSelection(const SettingsStore &settings, DeckBackView &view, std::string filesFolder)
    : m_settings(settings),
      m_view(view),
      m_filesFolder(std::move(filesFolder))
{}

std::string DeckBackSelection::imagePath(std::string_view fileName) const
{
    return appFilePath(m_filesFolder, kImagesFolder, fileName);
}

void DeckBackSelection::menuItemClick(std::size_t item)
{
    if (item >= kDeckBacks.size())
        return;
    const std::string_view fileName = kDeckBacks[item].fileName;
    const std::string path = findIgnoringCase(imagePath(fileName));
    if (!fileExists(path)) {
        m_view.reportProblem(DeckBackProblem::FileDoesNotExist);
        return;
    }
    // A picture that could not be shown is not remembered: the next start would only fail on it
    // again. The window has already told the player why.
    if (loadDeckImage(path))
        m_settings.writeSetting(kDeckSection, kDeckKey, fileName);
}

bool DeckBackSelection::loadDeckImage(const std::string &path)
{
    const std::string found = findIgnoringCase(path);
    if (!fileExists(found)) {
        m_view.reportProblem(DeckBackProblem::SelectedImageDoesNotExist);
        return false;
    }
    return m_view.showCardBack(found);
}

void DeckBackSelection::applyStoredChoice()
{
    const std::string stored = m_settings.readSetting(kDeckSection, kDeckKey, "");
    if (stored.empty()) {
        loadDeckImage(imagePath(kDeckBacks[kDefaultDeckBack].fileName));
        // Default is ticked even when its picture is missing: it is what the player has chosen.
        m_view.setTick(kDefaultDeckBack, true);
        return;
    }
    loadDeckImage(imagePath(stored));
}

void DeckBackSelection::optionsMenuOpened()
{
    const std::string stored = m_settings.readSetting(kDeckSection, kDeckKey, "");
    if (stored.empty()) {
        // Nothing stored means the default; the other ticks stay as they are, so after the entry is
        // removed by hand two items may show ticked.
        m_view.setTick(kDefaultDeckBack, true);
        return;
    }
    // A name typed into the file in capitals still picks its item. An unknown name changes nothing.
    const std::optional<std::size_t> chosen = deckBackNamed(stored);
    if (!chosen)
        return;
    m_view.setTick(*chosen, true);
    for (std::size_t i = 0; i < kDeckBacks.size(); ++i)
        if (i != *chosen)
            m_view.setTick(i, false);
}

} // namespace quellard
