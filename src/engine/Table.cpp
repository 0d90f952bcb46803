#include "engine/Table.h"

namespace quellard {

Table Table::fresh()
{
    Table table;
    const CardSlot faceDown{true, SlotFace::CardBack, 0};
    table.dealer.cardSlots[0] = faceDown;
    table.player.cardSlots[0] = faceDown;
    table.player.cardSlots[1] = faceDown;
    return table;
}

void Table::showCardBackInOpeningSlots()
{
    for (CardSlot *slot : {&dealer.cardSlots[0], &player.cardSlots[0], &player.cardSlots[1]}) {
        slot->face = SlotFace::CardBack;
        slot->cardNumber = 0;
    }
}

} // namespace quellard
