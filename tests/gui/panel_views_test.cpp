#include <gtest/gtest.h>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "gui/entry_box.h"
#include "gui/item_grid_view.h"
#include "gui/log_window.h"
#include "gui/message_grid_view.h"
#include "gui/tab_strip.h"

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

}  // namespace

TEST(ItemGridView, ShowsTheModelAndTellsPlayerEventsFromProgramChanges) {
    ItemGridModel model;
    model.rows[0] = {"B", "a sword", true, false};
    model.rows[3] = {kBullet, "caf\xe9", false, true};
    Host host;
    ItemGridView view(model, &host.widget);
    QSignalSpy scrolled(&view, &ItemGridView::playerScrolled);
    QSignalSpy selected(&view, &ItemGridView::playerSelected);
    view.sync();

    EXPECT_EQ(view.geometry(), QRect(184, 200, 329, 225));
    EXPECT_EQ(view.model()->rowCount(), 98);
    EXPECT_EQ(view.columnWidth(0), 15);
    EXPECT_EQ(view.rowHeight(5), 16);
    const QModelIndex mark = view.model()->index(3, 0), text = view.model()->index(3, 1);
    EXPECT_EQ(mark.data().toString(), QStringLiteral("\u2022"));
    EXPECT_EQ(text.data().toString(), QStringLiteral("caf\u00e9"));
    EXPECT_TRUE(text.data(Qt::FontRole).value<QFont>().italic());
    EXPECT_TRUE(view.model()->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(text.data(Qt::ForegroundRole).value<QColor>().rgb(), kCyan);

    // The program moves the top row and the current cell: no player events.
    model.toprow = 14;
    model.row = 20;
    model.touch();
    view.sync();
    EXPECT_EQ(view.verticalScrollBar()->value(), 14);
    EXPECT_EQ(view.currentIndex().row(), 20);
    EXPECT_EQ(scrolled.count(), 0);
    EXPECT_EQ(selected.count(), 0);

    // The player scrolls and selects.
    view.verticalScrollBar()->setValue(28);
    ASSERT_EQ(scrolled.count(), 1);
    EXPECT_EQ(scrolled.at(0).at(0).toInt(), 28);
    const QRect cell = view.visualRect(view.model()->index(30, 1));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 30);
    // A later sync with the same top row leaves the player's scroll alone.
    model.rows[1].text = "shield";
    model.touch();
    view.sync();
    EXPECT_EQ(view.verticalScrollBar()->value(), 28);
}

TEST(ItemGridView, PressesReportButtonAndTwipsAndOnlyTheLeftButtonSelects) {
    ItemGridModel model;
    Host host;
    ItemGridView view(model, &host.widget);
    view.sync();
    QSignalSpy pressed(&view, &ItemGridView::pressed);
    QSignalSpy selected(&view, &ItemGridView::playerSelected);
    QTest::mousePress(view.viewport(), Qt::RightButton, {}, QPoint(40, 37));
    QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, QPoint(40, 37));
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).toInt(), 2);
    EXPECT_EQ(pressed.at(0).at(1).toInt(), 37 * 15);
    EXPECT_EQ(selected.count(), 0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(40, 37));
    EXPECT_EQ(pressed.at(1).at(0).toInt(), 1);
    EXPECT_EQ(selected.count(), 1);
}

TEST(MessageGridAdapter, FollowsTheDequeByInsertingAndDroppingRows) {
    MessageGridModel model;
    MessageGridAdapter adapter(model);
    QSignalSpy inserted(&adapter, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&adapter, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&adapter, &QAbstractItemModel::modelReset);

    for (int i = 0; i < 5; ++i) model.rows.push_back(message("P", "hello " + std::to_string(i)));
    adapter.follow();
    EXPECT_EQ(adapter.rowCount(), 5);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted.at(0).at(2).toInt(), 4);

    // The oldest two are dropped and one more arrives.
    model.rows.pop_front();
    model.rows.pop_front();
    model.firstRow = 2;
    model.rows.push_back(message("G", "new", 0xffff0000));
    adapter.follow();
    EXPECT_EQ(adapter.rowCount(), 4);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(1).toInt(), 0);
    EXPECT_EQ(removed.at(0).at(2).toInt(), 1);
    EXPECT_EQ(reset.count(), 0);
    EXPECT_EQ(adapter.index(0, 3).data().toString(), QStringLiteral("hello 2"));
    EXPECT_EQ(adapter.modelRow(3), 5);
    EXPECT_EQ(adapter.viewRow(5), 3);
    EXPECT_EQ(adapter.viewRow(1), -1);
    EXPECT_EQ(adapter.index(3, 3).data(Qt::ForegroundRole).value<QColor>().rgb(), 0xffff0000u);
    EXPECT_FALSE(adapter.index(3, 2).data(Qt::ForegroundRole).isValid());

    // A model that starts over is shown from scratch.
    model.rows.clear();
    model.firstRow = 0;
    adapter.follow();
    EXPECT_EQ(adapter.rowCount(), 0);
    EXPECT_EQ(reset.count(), 1);
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
    EXPECT_EQ(view.columnWidth(1), 15);
    EXPECT_EQ(view.columnWidth(2), 148);
    EXPECT_EQ(view.verticalScrollBar()->value(), 30);
    EXPECT_EQ(selected.count(), 0);

    const QRect cell = view.visualRect(view.model()->index(31, 3));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
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
    model.touch();
    view.sync();
    ASSERT_EQ(view.currentIndex(), view.model()->index(1, 3));

    const QImage shot = view.grab().toImage();
    auto count = [&](const QRect& cell, auto match) {
        int n = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) n += match(QColor(shot.pixel(x, y))) ? 1 : 0;
        return n;
    };
    auto reddish = [](const QColor& c) { return c.red() > 160 && c.green() < 90 && c.blue() < 140; };
    auto whitish = [](const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; };
    const QRect current = view.visualRect(view.model()->index(1, 3));
    EXPECT_GT(count(current, reddish), 10);
    EXPECT_EQ(count(current, whitish), 0);
    // Another row's text keeps the grid's own white.
    EXPECT_GT(count(view.visualRect(view.model()->index(0, 3)), whitish), 10);
}

TEST(TabStrip, ClicksAndPressesGoToThePlayerSignalsButSyncingDoesNot) {
    TabStripModel model;
    Host host;
    TabStrip tabs(model, &host.widget);
    QSignalSpy clicked(&tabs, &TabStrip::playerClickedTab);
    QSignalSpy pressed(&tabs, &TabStrip::pressed);
    tabs.sync();
    QStringList captions;
    for (int i = 0; i < tabs.count(); ++i) captions << tabs.tabText(i);
    EXPECT_EQ(captions, QStringList({"items", "status", "Spells", "company", "area", "everyone"}));
    EXPECT_EQ(tabs.geometry(), QRect(184, 424, 337, 25));
    // All six fit the designed width.
    EXPECT_LE(tabs.tabRect(5).right(), 337);

    QTest::mouseClick(&tabs, Qt::RightButton, {}, tabs.tabRect(2).center());
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(tabs.currentIndex(), 0);
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(2).center());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 3);
    ASSERT_EQ(pressed.count(), 2);
    EXPECT_EQ(pressed.at(0).at(0).toInt(), 2);
    EXPECT_EQ(pressed.at(1).at(0).toInt(), 1);

    model.selected = 6;
    model.visible = false;
    model.touch();
    tabs.sync();
    EXPECT_EQ(tabs.currentIndex(), 5);
    EXPECT_FALSE(tabs.isVisible());
    EXPECT_EQ(clicked.count(), 1);
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
    model.touch();
    box.sync();
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.geometry(), QRect(100, 200, 81, 18));
    EXPECT_EQ(box.maxLength(), 32767);
    EXPECT_EQ(box.text(), QStringLiteral("caf\u00e9"));

    box.setCursorPosition(4);
    QTest::keyClicks(&box, "s");
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).value<std::string>(), "caf\xe9s");
    // Something else in the model changes before the core takes the typing.
    model.maxlength = 6;
    model.touch();
    box.sync();
    EXPECT_EQ(box.maxLength(), 6);
    EXPECT_EQ(box.text(), QStringLiteral("caf\u00e9s"));
    // A text the core sets does replace it.
    model.text.clear();
    model.touch();
    box.sync();
    EXPECT_EQ(box.text(), QString());
}

TEST(LogWindow, OpensAtTheNewestLinesAndKeepsFollowingThem) {
    LogModel model;
    model.exists = true;
    for (int i = 0; i < 200; ++i) model.text += "line " + std::to_string(i) + "\r\n";
    model.touch();
    LogWindow log(model);
    log.sync();  // filled while hidden, as during an encounter
    model.visible = true;
    model.touch();
    log.sync();
    ASSERT_TRUE(log.isVisible());
    QScrollBar* bar = log.textBox()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());

    model.text += "fresh\r\n";
    model.touch();
    log.sync();
    EXPECT_EQ(bar->value(), bar->maximum());
    log.closeQuietly();
}

TEST(LogWindow, AppendsNewLinesWithoutMovingTheReaderAndReplacesAfterAReset) {
    LogModel model;
    model.exists = true;
    for (int i = 0; i < 200; ++i) model.text += "line " + std::to_string(i) + "\r\n";
    model.touch();
    LogWindow log(model);
    QSignalSpy closed(&log, &LogWindow::closedByPlayer);
    log.sync();
    EXPECT_FALSE(log.isVisible());
    EXPECT_EQ(log.size(), QSize(304, 201));
    model.visible = true;
    model.touch();
    log.sync();
    ASSERT_TRUE(log.isVisible());

    QScrollBar* bar = log.textBox()->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    const int reading = bar->value();
    model.text += "fresh\r\n";
    model.touch();
    log.sync();
    EXPECT_TRUE(log.textBox()->toPlainText().endsWith(QStringLiteral("line 199\nfresh\n")));
    EXPECT_EQ(bar->value(), reading);

    model.text = "after\r\n";
    ++model.resets;
    model.touch();
    log.sync();
    EXPECT_EQ(log.textBox()->toPlainText(), QStringLiteral("after\n"));

    // The text box fills the window under its menu bar at any size.
    log.resize(500, 320);
    QTest::qWait(0);
    EXPECT_EQ(log.textBox()->geometry(), QRect(0, log.textBox()->y(), 500, 320 - log.textBox()->y()));

    log.close();
    EXPECT_EQ(closed.count(), 1);
    log.show();
    log.closeQuietly();
    EXPECT_EQ(closed.count(), 1);
}
