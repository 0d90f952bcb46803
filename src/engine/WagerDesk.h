#pragma once

namespace quellard {

// The two money questions that the deal must ask in the middle of its steps. The wagers side of
// the game answers them; the engine only knows when to ask.
class WagerDesk {
public:
    virtual ~WagerDesk() = default;
    // Cash and bet are both gone: offer a fresh start.
    virtual void outOfMoneyPrompt() = 0;
    // The dealer shows an ace: ask whether the player insures against a dealer blackjack.
    virtual void offerInsurance() = 0;
};

} // namespace quellard
