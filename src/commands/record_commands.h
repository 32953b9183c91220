#pragma once
// The drawing, text, input-field and character records. They draw only on a
// DrawingTarget and tell the layers above what happened through
// ScreenEvents. The pause record is the core's (it holds the stream).

#include <cstdint>
#include <string>
#include <string_view>

#include "canvas/drawing_target.h"
#include "canvas/pictures.h"
#include "commands/custom_characters.h"
#include "commands/screen_events.h"
#include "wire/coords.h"
#include "wire/record.h"

namespace quorlak {

class RecordCommands {
public:
    // The entry box's length is taken as 0 to this many characters, so its
    // width of length x 8 + 2 units always fits 16 bits.
    static constexpr int kMaxFieldLength = 4095;

    RecordCommands(DrawingTarget& target, const Pictures& pictures, ScreenEvents& events)
        : target_(target), pictures_(pictures), events_(events) {}

    // A new chunk starts: the point lists start from zero again.
    void beginChunk() { points_ = Points{}; }
    // Runs every record but the pause.
    void run(const Record& record);

    // A custom character has been defined: from now on the screen's text is read.
    bool gameScreenStarted() const { return gameScreenStarted_; }
    // The open input field's entry box corner (both 0 while none is open) and length.
    int16_t fieldLeft() const { return fieldLeft_; }
    int16_t fieldTop() const { return fieldTop_; }
    int16_t fieldLength() const { return fieldLength_; }
    const CustomCharacters& characters() const { return characters_; }

private:
    void clearScreen();
    void locate(std::string_view arg);
    void point(std::string_view arg);
    void shape(RecordCode code, std::string_view arg);
    void circle(std::string_view arg);
    void text(std::string_view arg, bool clearBehind);
    void eraseField(std::string_view arg);
    void inputField(std::string_view arg);
    void defineCharacter(std::string_view arg);
    void drawCharacter(std::string_view arg);
    void underlineSlot();
    void clearRect();
    bool drawPicture(int16_t n);
    void openField();
    void closeField();

    DrawingTarget& target_;
    const Pictures& pictures_;
    ScreenEvents& events_;
    Points points_;
    CustomCharacters characters_;
    bool gameScreenStarted_ = false;
    int16_t fieldLeft_ = 0;
    int16_t fieldTop_ = 0;
    int16_t fieldLength_ = 0;
};

}  // namespace quorlak
