#include "engine/Game.h"

#include "settings/SoundRule.h"

namespace quellard {

Game::Game(Host &host, RandomSource &random) : m_host(host), m_random(random) {}

int Game::dealCardInto(CardSlot &slot)
{
    const int card = drawCardNumber(m_random.next());
    slot.face = SlotFace::CardFace;
    slot.cardNumber = card;
    return card;
}

void Game::playSound(std::string_view fileName)
{
    if (soundPlays(fileName, m_host.soundSwitchOn()))
        m_host.playSound(fileName);
}

} // namespace quellard
