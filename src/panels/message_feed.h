#pragma once
// The message grid's rows: appending within the memory bound, the repeat
// check, and how a message line splits into kind, sender and text.

#include <QRgb>
#include <string>
#include <string_view>

#include "panels/panel_models.h"

namespace quorlak {

// Appends a row, drops the oldest beyond the bounds, and selects the new
// row's message cell with the new row third from the top.
void appendMessageRow(MessageGridModel& grid, MessageRow row);

// Whether `line` equals the whole line of one of the last four rows.
bool repeatsRecentRow(const MessageGridModel& grid, std::string_view line);

// Columns 1 to 3 and the message cell's colour of a line from the message band.
MessageRow splitMessage(const std::string& line, QRgb listColor);

// The message band's lines, and the messages the client adds itself.
class MessageFeed {
public:
    MessageFeed(MessageGridModel& messages, const ItemGridModel& items) : messages_(messages), items_(items) {}

    // A line of the message band, without its first character, goes to the
    // grid unless it is still on the screen. Returns whether it is printed.
    bool readLine(std::string& text);
    // Adds a row holding only `text` in `color`.
    void add(const std::string& text, QRgb color);

private:
    MessageGridModel& messages_;
    const ItemGridModel& items_;  // its colour is the list lines' colour
};

}  // namespace quorlak
