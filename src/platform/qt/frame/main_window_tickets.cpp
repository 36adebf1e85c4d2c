// The main window hands a ticket chosen in another window to the book.
#include "core/window_names.h"
#include "platform/qt/frame/main_window.h"
#include "platform/qt/frame/qt_util.h"
#include "platform/qt/tickets/tickets_window.h"

namespace n3 {

void MainWindow::openTicketDraft(const Purchase& ticket) {
    frm_.OpenWindow(windows::kTickets);
    if (auto* book = qobject_cast<TicketsWindow*>(child(Q(windows::kTickets)))) book->AddPurchase(ticket);
}

}  // namespace n3
