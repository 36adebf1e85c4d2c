#pragma once
// The ticket book's table 購入記録 in the draw database. The CHECK
// constraints refuse anything the book's rules refuse, so no other writer
// can store a purchase the program could not read.
#include <optional>
#include <string>
#include <vector>

#include "platform/store/draw_store.h"

struct sqlite3;

namespace n3 {

// A reader of the database that handles tickets includes tickets/ticket.h
// itself; one that only opens the database need not name the tickets floor.
struct Purchase;

// The schema step that adds the book (one entry of SchemaSteps()): run once,
// inside the upgrade's transaction, when the database moves on to
// kTicketSchemaVersion.
inline constexpr int kTicketSchemaVersion = 3;
extern const char* const kTicketTableSql;

class TicketStore {
public:
    // Opens the database (creating it, as the draw store does, when it is
    // missing and createIfMissing is set) and makes sure the table is
    // there. Throws StoreError.
    static TicketStore Open(const std::string& path, bool createIfMissing = true);
    // The book on the connection of an open draw store, which announces
    // the book's changes; the draw store must outlive it.
    static TicketStore On(const DrawStore& draws);

    TicketStore(TicketStore&& other) noexcept;
    TicketStore& operator=(TicketStore&& other) noexcept;
    TicketStore(const TicketStore&) = delete;
    TicketStore& operator=(const TicketStore&) = delete;
    ~TicketStore();

    // Every purchase in the order it was stored.
    std::vector<Purchase> ReadAll() const;
    // Stores a new purchase and returns its id.
    std::int64_t Add(const Purchase& p);
    // Rewrites the purchase with p.id.
    void Update(const Purchase& p);
    void Remove(std::int64_t id);
    // Stores every purchase in one transaction, after removing the whole
    // book when `replace` is set (the purchases then keep the ids they
    // bring; without it every purchase gets a new id). All or nothing.
    void AddAll(const std::vector<Purchase>& purchases, bool replace);

private:
    TicketStore(sqlite3* db, bool ownsConnection, const DrawStore* announcer);
    void Exec(const char* sql) const;
    void Changed() const;
    // Throws what keeps an older file from having the book's table yet.
    void RequireTable() const;
    sqlite3* db_ = nullptr;
    bool owns_ = true;
    const DrawStore* announcer_ = nullptr;
};

}  // namespace n3
