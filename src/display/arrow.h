#pragma once
// The arrowhead that marks an input position, and the text entry box placed
// beside it.

#include "display/canvas.h"
#include "panels/panel_models.h"
#include "session/client_state.h"

namespace quorlak {

class ArrowMarker {
public:
    ArrowMarker(ClientState& state, Canvas& canvas, TextBoxModel& box) : state_(state), canvas_(canvas), box_(box) {}

    // vis: draw the marker and place the box (shown in text box mode);
    // otherwise hide the box and forget its place.
    void arrow(bool vis);

private:
    ClientState& state_;
    Canvas& canvas_;
    TextBoxModel& box_;
};

}  // namespace quorlak
