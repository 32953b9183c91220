#pragma once
// What the item grid and the message grid share as widgets: no headers, no
// editing, no keyboard focus (keys always reach the main window), rows of a
// fixed height, and the player's presses, pointer moves and selections told
// apart from the changes the program makes while showing its model.

#include <QTableView>

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

    explicit PanelGridView(QWidget* parent = nullptr);

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
    int yTwipsOf(const QPoint& viewportPos) const;
    bool syncing_ = false;
};

}  // namespace quorlak
