#pragma once
// The ticket book editor's writes, into the ticket store.
#include "platform/store/ticket_store.h"
#include "tickets/ticket_book_editor.h"

namespace n3 {

class StoreTicketWriter : public TicketWriter {
public:
    explicit StoreTicketWriter(TicketStore& store) : store_(store) {}
    std::int64_t Add(const Purchase& p) override { return store_.Add(p); }
    void Update(const Purchase& p) override { store_.Update(p); }
    void Remove(std::int64_t id) override { store_.Remove(id); }

private:
    TicketStore& store_;
};

}  // namespace n3
