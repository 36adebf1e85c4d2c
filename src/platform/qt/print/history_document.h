#pragma once
// The printed list of the stored draws: what the entry window shows, one
// draw a row, for printing from that window.
#include "core/draw.h"
#include "platform/qt/common/print_document.h"

namespace n3 {

// 回数 and the three digits of every draw of `history`, header row first;
// a digit not yet entered prints empty.
PrintDocument MakeHistoryDocument(const DrawHistory& history);

}  // namespace n3
