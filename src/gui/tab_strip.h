#pragma once
// The tab strip under the item grid. Its tabs ask the server for other
// information screens; it never keeps the keyboard focus.

#include <QTabBar>
#include <optional>

#include "gui/display_scale.h"
#include "panels/panel_models.h"

namespace quorlak {

class TabStrip : public QTabBar {
    Q_OBJECT
public:
    static constexpr int kFontPixels = 11;

    explicit TabStrip(const TabStripModel& model, QWidget* parent = nullptr);
    void sync();
    // Shows the strip at `scale` from the next sync on.
    void setScale(const DisplayScale& scale);

signals:
    // The player clicked tab `index` (1 to 6).
    void playerClickedTab(int index);
    // A button went down (1 left, 2 right, 4 middle).
    void pressed(int button);
    void focusWanted();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    const TabStripModel& model_;
    bool syncing_ = false;
    DisplayScale scale_;
    std::optional<uint64_t> shownRevision_;
    std::optional<int> shownSelected_;
};

}  // namespace quorlak
