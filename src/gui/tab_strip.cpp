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
    setScale(scale_);
    for (int tab = 1; tab <= TabStripModel::kTabs; ++tab) addTab(QString::fromLatin1(TabStripModel::caption(tab)));
    connect(this, &QTabBar::tabBarClicked, this, [this](int index) {
        if (!syncing_ && index >= 0) emit playerClickedTab(index + 1);
    });
}

void TabStrip::setScale(const DisplayScale& scale) {
    scale_ = scale;
    QFont f = font();
    f.setPixelSize(scale.fontPixels(kFontPixels));
    setFont(f);
    // All six tabs fit the strip's designed width.
    setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: %1px %2px; }").arg(scale.toLogical(3)).arg(scale.toLogical(7)));
    shownRevision_.reset();
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
    const QRect rect = scale_.toLogical(model_.geometry);
    if (geometry() != rect) setGeometry(rect);
    if (isVisibleTo(parentWidget()) != model_.visible) setVisible(model_.visible);
    if (shownSelected_ != model_.selected) {
        shownSelected_ = model_.selected;
        if (model_.selected >= 1 && model_.selected <= count()) setCurrentIndex(model_.selected - 1);
    }
    syncing_ = false;
}

}  // namespace quorlak
