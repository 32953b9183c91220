#pragma once
// The drawing, text, input-field and character records, with their side
// duties on the panels. The pause record is the core's (it holds the stream).

#include <string>

#include "display/arrow.h"
#include "display/canvas.h"
#include "panels/panel_models.h"
#include "session/client_state.h"
#include "session/pictures.h"
#include "terminal/record.h"

namespace quorlak {

// Reads a text line before it is printed: may change it, and says whether
// it is printed at all.
class TextFilter {
public:
    virtual ~TextFilter() = default;
    virtual bool pretext(std::string& text) = 0;
};

class TerminalCommands {
public:
    struct Deps {
        ClientState& state;
        GlobalVars& globals;
        Canvas& canvas;
        const Pictures& pictures;
        ItemGridModel& items;
        TabStripModel& tabs;
        LogModel& log;
        ArrowMarker& marker;
        TextFilter& filter;
    };
    explicit TerminalCommands(Deps deps) : d_(deps) {}

    // A new chunk starts: the point lists start from zero again.
    void beginChunk() { pts_ = Points{}; }
    // Runs every record but the pause.
    void run(const Record& record);

    const Points& points() const { return pts_; }

private:
    void clearScreen();
    void locate(std::string_view arg);
    void point(std::string_view arg);
    void rectangle(RecordCode code, std::string_view arg);
    void circle(std::string_view arg);
    void text(std::string_view arg, bool clearBehind);
    void eraseField(std::string_view arg);
    void inputField(std::string_view arg);
    void defineCharacter(std::string_view arg);
    void drawCharacter(std::string_view arg);
    void highlightSlot();
    void markItemRow();
    void clearRect();
    bool drawPicture(int16_t n);

    Deps d_;
    Points pts_;
};

}  // namespace quorlak
