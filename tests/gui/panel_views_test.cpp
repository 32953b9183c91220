// The panel widgets over their models: what they show, and which changes
// they report as the player's.
#include <gtest/gtest.h>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "gui/item_grid_view.h"
#include "gui/log_window.h"
#include "gui/message_grid_view.h"

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
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(log.saveTo(dir.filePath(QStringLiteral("log.txt")), &error));
    QFile saved(dir.filePath(QStringLiteral("log.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("after\n"));  // plain text, one line a line
    EXPECT_FALSE(log.saveTo(dir.filePath(QStringLiteral("missing/log.txt")), &error));
    EXPECT_FALSE(error.isEmpty());

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
