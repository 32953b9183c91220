#pragma once
// The list column's lines: numbered lines fill the item grid's rows and page
// it along; a "B" marks the last line read; headings uncover the server's text.

#include <cstdint>
#include <functional>
#include <string>

#include "canvas/drawing_target.h"
#include "panels/panel_models.h"

namespace quorlak {

// Where the item list's reading stands.
struct ListPaging {
    int16_t lastNumber = 0;     // the number of the list line read last
    uint8_t linesExpected = 0;  // lines still due from a bulk request
    bool following = false;     // the feed itself is moving the grid to a new page
};

class ListFeed {
public:
    struct Deps {
        DrawingTarget& target;
        ItemGridModel& items;
        TabStripModel& tabs;
        // Moves the item grid's top row as the program (raises its scroll event).
        std::function<void(int)> setItemsTopRow;
    };
    explicit ListFeed(Deps deps) : d_(std::move(deps)) {}

    // Returns whether the line is printed.
    bool readLine(const std::string& text);
    // Marks the row of the line read last with a bullet.
    void markLastRow();
    // A bulk request asks for this many lines: the grid does not follow their pages.
    void expectLines(uint8_t lines) { paging_.linesExpected = lines; }

    const ListPaging& paging() const { return paging_; }

private:
    Deps d_;
    ListPaging paging_;
};

}  // namespace quorlak
