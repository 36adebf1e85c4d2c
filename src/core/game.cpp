#include "core/game.h"

namespace n3 {

std::string_view TicketKindWord(TicketKind kind) { return kTicketKindWords[std::size_t(kind)]; }

std::string_view TicketKindCaption(TicketKind kind) { return kTicketKindCaptions[std::size_t(kind)]; }

std::optional<TicketKind> ParseTicketKind(std::string_view text) {
    for (int i = 0; i < kTicketKindCount; ++i)
        if (text == kTicketKindCaptions[std::size_t(i)] || text == kTicketKindWords[std::size_t(i)])
            return TicketKind(i);
    return std::nullopt;
}

const Game* GameById(int id) {
    for (const Game* game : kGames)
        if (game->id == id) return game;
    return nullptr;
}

}  // namespace n3
