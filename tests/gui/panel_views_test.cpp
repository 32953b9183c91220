// The panel widgets over their models: what they show, and which changes
// they report as the player's.
#include <gtest/gtest.h>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "panels/gui/entry_box.h"
#include "panels/gui/item_grid_view.h"
#include "panels/gui/log_window.h"
#include "panels/gui/message_grid_view.h"
#include "panels/gui/tab_strip.h"

using namespace quorlak;

namespace {

MessageRow message(const std::string& kind, const std::string& text, std::optional<QRgb> color = {}) {
    return MessageRow{kind + " " + text, kind, "name", text, color};
}

// A parent that shows the views at the sizes the client gives them.
struct Host {
    QWidget widget;
    Host() {
        widget.resize(512, 512);
        widget.show();
    }
};

void touchAndSync(Revisioned& model, auto& view) {
    model.touch();
    view.sync();
}

}  // namespace

TEST(ItemGridView, ShowsTheModelAndTellsPlayerEventsFromProgramChanges) {
    ItemGridModel model;
    model.rows[0] = {"B", "a sword", true, false};
    model.rows[3] = {kBullet, "caf\xe9", false, true};
    Host host;
    ItemGridView view(model, &host.widget);
    QSignalSpy scrolled(&view, &ItemGridView::playerScrolled), selected(&view, &ItemGridView::playerSelected);
    QSignalSpy pressed(&view, &ItemGridView::pressed);
    view.sync();
    EXPECT_EQ(view.geometry(), QRect(184, 200, 329, 225));
    EXPECT_EQ(std::tuple(view.model()->rowCount(), view.columnWidth(0), view.rowHeight(5)), std::tuple(98, 15, 16));
    const QModelIndex text = view.model()->index(3, 1);
    EXPECT_EQ(view.model()->index(3, 0).data().toString(), QStringLiteral("\u2022"));
    EXPECT_EQ(text.data().toString(), QStringLiteral("caf\u00e9"));
    EXPECT_TRUE(text.data(Qt::FontRole).value<QFont>().italic());
    EXPECT_TRUE(view.model()->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(text.data(Qt::ForegroundRole).value<QColor>().rgb(), kCyan);

    // the program moves the top row and the current cell: no player events
    model.toprow = 14;
    model.row = 20;
    touchAndSync(model, view);
    EXPECT_EQ(std::tuple(view.verticalScrollBar()->value(), view.currentIndex().row()), std::tuple(14, 20));
    EXPECT_EQ(scrolled.count() + selected.count(), 0);
    // the player scrolls and selects
    view.verticalScrollBar()->setValue(28);
    ASSERT_EQ(scrolled.count(), 1);
    EXPECT_EQ(scrolled.at(0).at(0).toInt(), 28);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(30, 1)).center());
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 30);
    // a later sync with the same top row leaves the player's scroll alone
    model.rows[1].text = "shield";
    touchAndSync(model, view);
    EXPECT_EQ(view.verticalScrollBar()->value(), 28);

    // presses report the button and the twips below the top; only the left button selects
    pressed.clear();
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, QPoint(40, 37));
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, QPoint(40, 37));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(std::tuple(pressed.at(0).at(0).toInt(), pressed.at(0).at(1).toInt()), std::tuple(2, 37 * 15));
    EXPECT_EQ(selected.count(), 1);
}

TEST(MessageGridAdapter, FollowsTheDequeByInsertingAndDroppingRows) {
    MessageGridModel model;
    MessageGridAdapter adapter(model);
    QSignalSpy inserted(&adapter, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&adapter, &QAbstractItemModel::rowsRemoved), reset(&adapter, &QAbstractItemModel::modelReset);
    for (int i = 0; i < 5; ++i) model.rows.push_back(message("P", "hello " + std::to_string(i)));
    adapter.follow();
    EXPECT_EQ(adapter.rowCount(), 5);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 4);
    // the oldest two are dropped and one more arrives
    model.rows.pop_front();
    model.rows.pop_front();
    model.firstRow = 2;
    model.rows.push_back(message("G", "new", 0xffff0000));
    adapter.follow();
    EXPECT_EQ(adapter.rowCount(), 4);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(std::tuple(removed.at(0).at(1).toInt(), removed.at(0).at(2).toInt(), reset.count()), std::tuple(0, 1, 0));
    EXPECT_EQ(adapter.index(0, 3).data().toString(), QStringLiteral("hello 2"));
    EXPECT_EQ(std::tuple(adapter.modelRow(3), adapter.viewRow(5), adapter.viewRow(1)), std::tuple(5, 3, -1));
    EXPECT_EQ(adapter.index(3, 3).data(Qt::ForegroundRole).value<QColor>().rgb(), 0xffff0000u);
    EXPECT_FALSE(adapter.index(3, 2).data(Qt::ForegroundRole).isValid());
    // a model that starts over is shown from scratch
    model.rows.clear();
    model.firstRow = 0;
    adapter.follow();
    EXPECT_EQ(std::tuple(adapter.rowCount(), reset.count()), std::tuple(0, 1));
}

TEST(MessageGridView, ScrollsToTheModelsTopRowAndReportsSelectionsInModelNumbers) {
    MessageGridModel model;
    for (int i = 0; i < 40; ++i) model.rows.push_back(message("P", "line " + std::to_string(i)));
    model.firstRow = 100;  // rows 100 to 139
    model.toprow = 130;
    model.row = 100;
    Host host;
    MessageGridView view(model, &host.widget);
    QSignalSpy selected(&view, &MessageGridView::playerSelected);
    view.sync();
    EXPECT_TRUE(view.isColumnHidden(0));
    EXPECT_EQ(std::tuple(view.columnWidth(1), view.columnWidth(2)), std::tuple(15, 148));
    EXPECT_EQ(view.verticalScrollBar()->value(), 30);
    EXPECT_EQ(selected.count(), 0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(31, 3)).center());
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toLongLong(), 131);
}

TEST(MessageGridView, TheCurrentCellKeepsItsOwnTextColour) {
    MessageGridModel model;
    model.rows.push_back(message("X", "plain words"));
    model.rows.push_back(message("P", "Player is here: Bob", 0xffff0000));
    model.row = 1;  // the newest row's message cell is the current cell, as after every addition
    model.col = 3;
    Host host;
    MessageGridView view(model, &host.widget);
    model.geometry = {0, 456, 513, 56};
    model.visible = true;
    touchAndSync(model, view);
    ASSERT_EQ(view.currentIndex(), view.model()->index(1, 3));
    const QImage shot = view.grab().toImage();
    auto count = [&](int row, auto match) {
        const QRect cell = view.visualRect(view.model()->index(row, 3));
        int n = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) n += match(QColor(shot.pixel(x, y))) ? 1 : 0;
        return n;
    };
    auto reddish = [](const QColor& c) { return c.red() > 160 && c.green() < 90 && c.blue() < 140; };
    auto whitish = [](const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; };
    EXPECT_GT(count(1, reddish), 10);
    EXPECT_EQ(count(1, whitish), 0);
    EXPECT_GT(count(0, whitish), 10);  // another row's text keeps the grid's own white
}

TEST(TabStrip, ClicksAndPressesGoToThePlayerSignalsButSyncingDoesNot) {
    TabStripModel model;
    Host host;
    TabStrip tabs(model, &host.widget);
    QSignalSpy clicked(&tabs, &TabStrip::playerClickedTab), pressed(&tabs, &TabStrip::pressed);
    tabs.sync();
    QStringList captions;
    for (int i = 0; i < tabs.count(); ++i) captions << tabs.tabText(i);
    EXPECT_EQ(captions, QStringList({"items", "status", "Spells", "company", "area", "everyone"}));
    EXPECT_EQ(tabs.geometry(), QRect(184, 424, 337, 25));
    EXPECT_LE(tabs.tabRect(5).right(), 337);  // all six fit the designed width
    QTest::mouseClick(&tabs, Qt::RightButton, {}, tabs.tabRect(2).center());
    EXPECT_EQ(std::tuple(clicked.count(), tabs.currentIndex()), std::tuple(0, 0));
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(2).center());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 3);
    ASSERT_EQ(pressed.count(), 2);
    EXPECT_EQ(std::tuple(pressed.at(0).at(0).toInt(), pressed.at(1).at(0).toInt()), std::tuple(2, 1));
    model.selected = 6;
    model.visible = false;
    touchAndSync(model, tabs);
    EXPECT_EQ(std::tuple(tabs.currentIndex(), tabs.isVisible(), clicked.count()), std::tuple(5, false, 1));
}

TEST(EntryBox, FollowsTheModelWithoutUndoingTypingTheCoreHasNotTaken) {
    TextBoxModel model;
    Host host;
    EntryBox box(model, &host.widget);
    QSignalSpy edited(&box, &EntryBox::playerEdited);
    box.sync();
    EXPECT_FALSE(box.isVisible());
    model.visible = true;
    model.geometry = {100, 200, 81, 18};
    model.maxlength = 0;
    model.text = "caf\xe9";
    touchAndSync(model, box);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.geometry(), QRect(100, 200, 81, 18));
    EXPECT_EQ(box.maxLength(), 32767);
    EXPECT_EQ(box.text(), QStringLiteral("caf\u00e9"));
    box.setCursorPosition(4);
    QTest::keyClicks(&box, "s");
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).value<std::string>(), "caf\xe9s");
    // something else in the model changes before the core takes the typing
    model.maxlength = 6;
    touchAndSync(model, box);
    EXPECT_EQ(box.maxLength(), 6);
    EXPECT_EQ(box.text(), QStringLiteral("caf\u00e9s"));
    // a text the core sets does replace it
    model.text.clear();
    touchAndSync(model, box);
    EXPECT_EQ(box.text(), QString());
}

TEST(LogWindow, OpensAtTheNewestLinesFollowsThemOnlyThereAndReplacesAfterAReset) {
    LogModel model;
    model.exists = true;
    for (int i = 0; i < 200; ++i) model.text += "line " + std::to_string(i) + "\r\n";
    LogWindow log(model);
    QSignalSpy closed(&log, &LogWindow::closedByPlayer);
    touchAndSync(model, log);  // filled while hidden, as during an encounter
    EXPECT_FALSE(log.isVisible());
    EXPECT_EQ(log.size(), QSize(304, 201));
    model.visible = true;
    touchAndSync(model, log);
    ASSERT_TRUE(log.isVisible());
    QScrollBar* bar = log.textBox()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    model.text += "fresh\r\n";
    touchAndSync(model, log);
    EXPECT_EQ(bar->value(), bar->maximum());
    // a reader further up is not moved by new lines
    bar->setValue(bar->maximum() / 2);
    const int reading = bar->value();
    model.text += "fresher\r\n";
    touchAndSync(model, log);
    EXPECT_TRUE(log.textBox()->toPlainText().endsWith(QStringLiteral("line 199\nfresh\nfresher\n")));
    EXPECT_EQ(bar->value(), reading);
    model.text = "after\r\n";
    ++model.resets;
    touchAndSync(model, log);
    EXPECT_EQ(log.textBox()->toPlainText(), QStringLiteral("after\n"));
    // the text box fills the window at any size
    log.resize(500, 320);
    QTest::qWait(0);
    EXPECT_EQ(log.textBox()->geometry(), QRect(0, 0, 500, 320));
    log.close();
    EXPECT_EQ(closed.count(), 1);
    log.show();
    log.closeQuietly();
    EXPECT_EQ(closed.count(), 1);
}
