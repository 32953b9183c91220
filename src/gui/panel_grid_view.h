#pragma once
// What the item grid and the message grid share as widgets: no headers, no
// editing, no keyboard focus (keys always reach the main window), rows of a
// fixed height, and the player's presses, pointer moves and selections told
// apart from the changes the program makes while showing its model.

#include <QTableView>

#include "gui/display_scale.h"
#include "panels/panel_models.h"
#include "wire/screen_layout.h"

namespace quorlak {

// Pixels from twips for column widths: 222 twips -> 15 pixels.
int twipsToPixels(int twips);
// The game's button mask of a Qt button: 1 left, 2 right, 4 middle; 0 for others.
int buttonMask(Qt::MouseButton button);

class PanelGridView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kFontPixels = 12;

    explicit PanelGridView(QWidget* parent = nullptr);
    // Shows the grid at `scale`: its place, rows, columns and font.
    void setScale(const DisplayScale& scale);
    const DisplayScale& scale() const { return scale_; }

signals:
    // A button went down, `yTwips` below the grid's top edge.
    void pressed(int button, int yTwips);
    // The pointer moved over the grid.
    void hovered(int yTwips);
    // The grid would take the keyboard focus; the window hands it on.
    void focusWanted();

protected:
    // Shows the model's geometry and visibility, and its current cell
    // without scrolling there; all without raising player events.
    void applyPlacement(const Geometry& geometry, bool visible);
    void applyCurrentCell(int viewRow, int col);
    // The first visible row, set as the program (no player event).
    void applyTopRow(int viewRow);
    bool syncing() const { return syncing_; }
    // The scale changed: set the column widths, and show the whole model at the next sync.
    virtual void rescaled() = 0;

    // Runs `change` as the program's own, not the player's.
    template <class F>
    void asProgram(F&& change) {
        const bool was = syncing_;
        syncing_ = true;
        change();
        syncing_ = was;
    }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int yTwipsOf(const QPointF& viewportPos) const;
    bool syncing_ = false;
    DisplayScale scale_;
};

}  // namespace quorlak
