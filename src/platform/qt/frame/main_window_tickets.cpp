// The main window and the ticket book: a ticket chosen in another window is
// handed to the book, and winnings near their claim deadline are named at
// start-up.
#include <QDate>

#include "core/window_names.h"
#include "platform/qt/common/dialogs.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/tickets/tickets_window.h"
#include "platform/store/database.h"
#include "tickets/claim_deadline.h"
#include "windows/main_commands.h"

namespace n3 {

void MainWindow::openTicketDraft(const Purchase& ticket) {
    commands_.OpenWindow(windows::kTickets);
    if (auto* book = qobject_cast<TicketsWindow*>(child(Q(windows::kTickets)))) book->AddPurchase(ticket);
}

namespace {

// The settings key of the expired prizes already named at start-up, as
// "purchase id:draw" separated by commas: each is named once.
constexpr std::string_view kExpiredNamedKey = "ExpiredPrizesNamed";

std::string ExpiredKey(const ClaimWarning& w) { return std::to_string(w.purchaseId) + ":" + std::to_string(w.drawNo); }

}  // namespace

bool MainWindow::warnNearClaimDeadlines() {
    std::vector<Purchase> book;
    try {
        book = database_->tickets().ReadAll();
    } catch (const StoreError&) {
        // A book that cannot be read is reported when it is opened.
        return false;
    }
    if (book.empty()) return false;
    const std::string today = today_().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    const std::vector<DrawOutcome> outcomes = CheckBook(book, snapshot_->history, snapshot_->results);
    const std::string named = settings_.value(kExpiredNamedKey);
    const std::string namedList = "," + named + ",";
    std::vector<ClaimWarning> expired;
    std::string nowNamed;
    for (ClaimWarning& w : ClaimWarnings(book, outcomes, snapshot_->results, today, ClaimState::Expired)) {
        const std::string key = ExpiredKey(w);
        nowNamed += (nowNamed.empty() ? "" : ",") + key;
        if (namedList.find("," + key + ",") == std::string::npos) expired.push_back(std::move(w));
    }
    std::string text = ExpiredClaimText(expired);
    if (const std::string near = ClaimWarningText(ClaimWarnings(book, outcomes, snapshot_->results, today));
        !near.empty())
        text += (text.empty() ? "" : "\n\n") + near + "\n受け取ったら、購入記録で「受け取り済み」にしてください。";
    // Only the expired prizes still open are kept, so the list stays short.
    if (nowNamed != named) settings_.setValue(kExpiredNamedKey, nowNamed);
    if (text.empty()) return false;
    dialogs::Message(this, Q(text), Q(kMessageTitle), dialogs::Icon::Warning);
    return true;
}

}  // namespace n3
