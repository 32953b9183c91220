#include "core_rig.h"

#include <cstring>

#include "canvas/data_files.h"
#include "replay/state_json.h"

namespace quorlak::fuzz {

ClientCore& CoreRig::restart(TurnBudget* budget) {
    static const Pictures pictures = loadPictures();
    static const QFont font = loadTerminalFont();
    std::optional<Canvas> canvas;
    if (core_) canvas.emplace(std::move(*core_).takeCanvas());
    core_.reset();
    clock_ = VirtualClock();
    host_ = ReplayHost();
    if (canvas) core_.emplace(host_, clock_, std::move(*canvas));
    else core_.emplace(host_, clock_);
    core_->load(pictures, font);
    core_->setConnected(true);
    core_->resize(screen::kDisplaySize, screen::kDisplaySize);
    core_->setTurnBudget(budget);
    return *core_;
}

bool CoreRig::showsTheSameAs(const CoreRig& other) const {
    const ClientCore& a = *core_;
    const ClientCore& b = *other.core_;
    // Beyond what either drew on, both pictures are a new canvas's.
    const QRect drawn = a.canvas().drawnArea() | b.canvas().drawnArea();
    const QImage& pa = a.canvas().image();
    const QImage& pb = b.canvas().image();
    const size_t rowBytes = size_t(drawn.width()) * sizeof(QRgb);
    for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(pa.constScanLine(y)) + drawn.left();
        const auto* rb = reinterpret_cast<const QRgb*>(pb.constScanLine(y)) + drawn.left();
        if (std::memcmp(ra, rb, rowBytes) != 0) return false;
    }
    return a.unfinishedRecord() == b.unfinishedRecord() &&
           stateJson(a, host_, clock_.nowMs()) == stateJson(b, other.host_, other.clock_.nowMs());
}

}  // namespace quorlak::fuzz
