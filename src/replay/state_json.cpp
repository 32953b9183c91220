#include "replay/state_json.h"

#include <cstdio>
#include <string_view>

#include "replay/byte_text.h"

namespace quorlak {

namespace {

// Appends members of one JSON object; the caller opens and closes nested ones.
class JsonOut {
public:
    explicit JsonOut(std::string& out) : out_(out) {}

    void open(char bracket) {
        out_.push_back(bracket);
        first_ = true;
    }
    void close(char bracket) {
        out_.push_back(bracket);
        first_ = false;
    }
    // Starts a member (or, with no name, an array element).
    std::string& key(std::string_view name = {}) {
        if (!first_) out_.push_back(',');
        first_ = false;
        if (!name.empty()) {
            out_.push_back('"');
            out_ += name;
            out_ += "\":";
        }
        return out_;
    }

    void boolean(std::string_view name, bool v) { key(name) += v ? "true" : "false"; }
    void integer(std::string_view name, int64_t v) { appendJsonInt(key(name), v); }
    void text(std::string_view name, std::string_view bytes) { appendJsonBytes(key(name), bytes); }
    void colour(std::string_view name, QRgb rgb) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "#%02x%02x%02x", qRed(rgb), qGreen(rgb), qBlue(rgb));
        key(name) += std::string("\"") + buf + "\"";
    }
    template <typename Array>
    void integers(std::string_view name, const Array& values) {
        key(name);
        open('[');
        for (const auto v : values) integer({}, v);
        close(']');
    }
    // The fields every grid shares: placement and the cell the client last set.
    void gridPlacement(bool visible, const Geometry& g, int64_t toprow, int64_t row, int64_t col) {
        boolean("visible", visible);
        geometry(g);
        integer("toprow", toprow);
        integer("row", row);
        integer("col", col);
    }
    void geometry(const Geometry& g) {
        integer("left", g.left);
        integer("top", g.top);
        integer("width", g.width);
        integer("height", g.height);
    }

private:
    std::string& out_;
    bool first_ = true;
};

// The window-level values under the game's own short names.
void writeState(JsonOut& j, const ClientCore& core) {
    const RecordCommands& commands = core.commands();
    const StatusValues& status = core.reader().status();
    const EncounterState& encounter = core.reader().encounter();
    const ListPaging& paging = core.reader().paging();
    const InputModes& modes = core.modes();
    const PanelActions& actions = core.actions();
    j.boolean("cdseen", commands.gameScreenStarted());
    j.boolean("logging", encounter.logging);
    j.boolean("textboxmode", modes.textBox);
    j.boolean("delaymode", modes.delay);
    j.boolean("frozen", modes.frozen);
    j.boolean("scrolling", paging.following);
    j.integer("expnow", status.experience);
    j.integer("expstart", status.experienceBaseline);
    j.integer("gaugenow", status.gaugeNow);
    j.integer("gaugemax", status.gaugeMax);
    j.integer("boxleft", commands.fieldLeft());
    j.integer("boxtop", commands.fieldTop());
    j.integer("boxlen", commands.fieldLength());
    j.integer("itemsexpected", paging.linesExpected);
    j.integer("itemnum", paging.lastNumber);
    j.integer("itempick", actions.itemPick());
    j.integer("xchgitem", actions.exchangeItem());
    j.integer("itemsheight", actions.savedGridHeight());
    j.integer("lasttoprow", actions.lastTopRow());
    j.integer("lastusers", encounter.lastUsers);
    j.text("rxtail", core.unfinishedRecord());

    j.key("slottext");
    j.open('[');
    for (const auto& t : encounter.text) j.text({}, t);
    j.close(']');
    j.integers("slotx", encounter.x);
    j.integers("sloty", encounter.y);
}

void writeItems(JsonOut& j, const ItemGridModel& g) {
    j.key("griditems");
    j.open('{');
    j.gridPlacement(g.visible, g.geometry, g.toprow, g.row, g.col);
    j.key("rows");
    j.open('[');
    for (const auto& r : g.rows) {
        j.key();
        j.open('{');
        // The small box mark is the one character outside the byte range.
        if (r.mark == kBullet) j.key("mark") += "\"\\u2022\"";
        else j.text("mark", r.mark);
        j.text("text", r.text);
        j.boolean("bold", r.bold);
        j.boolean("italic", r.italic);
        j.close('}');
    }
    j.close(']');
    j.close('}');
}

void writeMessages(JsonOut& j, const MessageGridModel& g) {
    j.key("gridmess");
    j.open('{');
    j.gridPlacement(g.visible, g.geometry, g.toprow, g.row, g.col);
    j.integer("firstrow", g.firstRow);
    j.key("rows");
    j.open('[');
    for (const auto& r : g.rows) {
        j.key();
        j.open('{');
        j.text("line", r.line);
        j.text("kind", r.kind);
        j.text("name", r.name);
        j.text("text", r.text);
        if (r.color) j.colour("color", *r.color);
        else j.key("color") += "null";
        j.close('}');
    }
    j.close(']');
    j.close('}');
}

}  // namespace

std::string stateJson(const ClientCore& core, const ReplayHost& host, double clockMs) {
    return stateJson(core, host.sent(), host.itemMenus(), clockMs);
}

std::string stateJson(const ClientCore& core, const std::vector<std::string>& sent, int itemMenus, double clockMs) {
    std::string out;
    // Rows dominate; a rough guess saves most regrowth.
    out.reserve(16384 + core.messages().rows.size() * 96 + core.log().text.size());
    JsonOut j(out);
    j.open('{');
    writeState(j, core);

    const Canvas& canvas = core.canvas();
    appendJsonNumber(j.key("currentx"), canvas.currentX);
    appendJsonNumber(j.key("currenty"), canvas.currentY);
    j.colour("forecolor", canvas.foreColor);
    j.colour("backcolor", canvas.backColor);
    j.text("caption", core.captions().windowCaption);

    j.key("menus");
    j.open('{');
    j.text(menuItemName(MenuItem::TextBoxMode), core.modes().textBoxCaption);
    j.text(menuItemName(MenuItem::DelayMode), core.modes().delayCaption);
    j.text(menuItemName(MenuItem::ViewLog), Keyboard::kViewLogCaption);
    j.text("netexp", core.captions().experience);
    j.close('}');

    const TextBoxModel& box = core.textBox();
    j.key("txtbox");
    j.open('{');
    j.boolean("visible", box.visible);
    j.geometry(box.geometry);
    j.integer("maxlength", box.maxlength);
    j.text("text", box.text);
    j.boolean("focused", box.focused);
    j.close('}');

    writeItems(j, core.items());
    writeMessages(j, core.messages());

    const TabStripModel& tabs = core.tabs();
    j.key("tabstrip");
    j.open('{');
    j.boolean("visible", tabs.visible);
    j.geometry(tabs.geometry);
    j.boolean("front", tabs.front);
    j.integer("selected", tabs.selected);
    j.close('}');

    const LogModel& log = core.log();
    j.key("log");
    j.open('{');
    j.boolean("exists", log.exists);
    j.boolean("visible", log.visible);
    j.text("text", log.text);
    j.close('}');

    j.integer("beeps", core.warnings());

    j.key("timer");
    j.open('{');
    j.boolean("enabled", core.timerEnabled());
    appendJsonNumber(j.key("due"), core.timerDue());
    j.close('}');

    j.key("sent");
    j.open('[');
    for (const auto& w : sent) j.text({}, w);
    j.close(']');

    // Beyond the fixed set: the run's own circumstances.
    j.key("client");
    j.open('{');
    j.integer("width", core.clientWidth());
    j.integer("height", core.clientHeight());
    j.close('}');
    appendJsonNumber(j.key("clock"), clockMs);
    j.boolean("connected", core.connected());
    j.boolean("holding", core.holding());
    j.integer("itemmenus", itemMenus);
    j.close('}');
    out.push_back('\n');
    return out;
}

}  // namespace quorlak
