#include "input/text_entry.h"

#include <algorithm>
#include <climits>

#include "wire/screen_layout.h"

namespace quorlak {

void TextEntry::fieldOpened(const InputFieldPlacement& placement, bool textBoxMode) {
    box_.geometry.left = placement.left;
    box_.geometry.top = placement.top;
    box_.geometry.width = placement.length * screen::kCellWidth + 2;
    box_.maxlength = placement.length;
    box_.text.clear();
    if (textBoxMode) {
        if (placement.markerX == screen::kLeftEdgeFieldX && placement.markerY == screen::kLeftEdgeFieldY)
            box_.geometry.left = 0;
        box_.visible = true;
        box_.focused = true;
    }
    box_.touch();
}

void TextEntry::fieldClosed() {
    box_.visible = false;
    box_.focused = false;
    box_.touch();
}

void TextEntry::setText(std::string text) {
    box_.text = std::move(text);
    box_.touch();
}

void TextEntry::moveBox(int direction) {
    Geometry& g = box_.geometry;
    const long long moved = static_cast<long long>(g.top) + static_cast<long long>(direction) * g.height;
    g.top = static_cast<int>(std::clamp<long long>(moved, INT_MIN, INT_MAX));
    box_.touch();
}

void TextEntry::focusEntered(FocusHolder holder) {
    switch (holder) {
        case FocusHolder::ItemGrid:
        case FocusHolder::MessageGrid:
        case FocusHolder::TabStrip: focus_ = FocusHolder::FocusSink; break;
        default: focus_ = holder; break;
    }
    const bool boxFocused = focus_ == FocusHolder::TextBox;
    if (box_.focused != boxFocused) {
        box_.focused = boxFocused;
        box_.touch();
    }
}

void TextEntry::focusLeftBox() {
    if (focus_ == FocusHolder::TextBox) focusEntered(FocusHolder::None);
}

}  // namespace quorlak
