#pragma once
// The replay script: one JSON object per line, each a player or clock event.
// Validation is strict so that a typing error in a script is reported rather
// than silently replayed as something else.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/client_core.h"

namespace quorlak {

struct ScriptEvent {
    enum class Kind {
        Recv,
        RecvFile,
        KeyDown,
        Char,
        SetText,
        Clipboard,
        Menu,
        MouseDownItems,
        MouseDownTabs,
        SelectItems,
        SelectMessages,
        ScrollItems,
        Tab,
        MouseMoveForm,
        MouseMoveItems,
        DoubleClick,
        Resize,
        Advance,
        Connection,
        BroadcastIn,
    };

    Kind kind = Kind::Recv;
    int line = 0;               // line number in the script, from 1
    std::string bytes;          // recv, settext, clipboard
    QString path;               // recv_file
    int16_t vk = 0;             // keydown, broadcast_in
    int16_t mask = 0;           // keydown
    std::optional<int16_t> ch;  // keydown (optional), char
    int button = 0;             // mousedown
    int y = 0;                  // mousedown / mousemove on the item grid, twips
    int64_t row = 0;            // select; scroll's top row; tab index
    int width = 0;              // resize
    int height = 0;
    double ms = 0;  // advance
    MenuItem menu = MenuItem::TextBoxMode;
    bool open = false;  // connection
};

// Lines holding only white space are skipped.
bool isBlankScriptLine(std::string_view line);

// One line to an event; on failure `error` says why, without the line number.
std::optional<ScriptEvent> parseScriptLine(std::string_view line, std::string& error);

// Reads and parses the script file at `path`. A relative recv_file names a
// file in the current directory, or failing that beside the script, so that
// a script and its data travel together. On failure `error` is one line.
bool loadScript(const QString& path, std::vector<ScriptEvent>& events, std::string& error);

// One event as a script line (no line end), which parseScriptLine reads back
// as the same event. A recv_file is written with its path as UTF-8.
std::string scriptLine(const ScriptEvent& event);

// A whole script. On failure `error` is one line naming the script line.
bool parseScript(std::string_view text, std::vector<ScriptEvent>& events, std::string& error);

}  // namespace quorlak
