#include "gui/tab_strip.h"

#include <QMouseEvent>

#include "gui/panel_grid_view.h"

namespace quorlak {

TabStrip::TabStrip(const TabStripModel& model, QWidget* parent) : QTabBar(parent), model_(model) {
    setObjectName(QStringLiteral("tabStrip"));
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setExpanding(false);
    setDrawBase(false);
    setUsesScrollButtons(true);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    // All six tabs fit the strip's designed width.
    setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 7px; }"));
    for (int tab = 1; tab <= TabStripModel::kTabs; ++tab) addTab(QString::fromLatin1(TabStripModel::caption(tab)));
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        if (!syncing_ && index >= 0) emit playerClickedTab(index + 1);
    });
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
    emit focusWanted();
    emit pressed(buttonMask(event->button()));
    // Only the left button picks a tab.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTabBar::mousePressEvent(event);
}

void TabStrip::sync() {
    if (shownRevision_ == model_.revision) return;
    shownRevision_ = model_.revision;
    syncing_ = true;
    const QRect rect(model_.geometry.left, model_.geometry.top, model_.geometry.width, model_.geometry.height);
    if (geometry() != rect) setGeometry(rect);
    if (isVisibleTo(parentWidget()) != model_.visible) setVisible(model_.visible);
    if (shownSelected_ != model_.selected) {
        shownSelected_ = model_.selected;
        if (model_.selected >= 1 && model_.selected <= count()) setCurrentIndex(model_.selected - 1);
    }
    syncing_ = false;
}

}  // namespace quorlak
