#include "gui/settings.h"

#include <QSettings>

#include "wire/server_address.h"

namespace quorlak {

namespace {

constexpr const char* kZoomKey = "view/zoom";
constexpr const char* kLogMessagesKey = "view/logMessages";
constexpr const char* kGeometryKey = "window/geometry";
constexpr const char* kGeometryZoomKey = "window/geometryZoom";
constexpr const char* kRecentServersKey = "connection/recentServers";

std::optional<int> readZoom(const QVariant& value) {
    bool ok = false;
    const int zoom = value.toString().trimmed().toInt(&ok);
    if (!ok || zoom < Settings::kMinZoom || zoom > Settings::kMaxZoom) return std::nullopt;
    return zoom;
}

// Only a plain yes or no counts; anything else is the default.
bool readSwitch(const QVariant& value, bool fallback) {
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
    if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
    return fallback;
}

// The file is the player's to edit: keep only what still reads as an address.
QStringList readServers(const QVariant& value) {
    QStringList usable;
    for (const QString& entry : value.toStringList())
        if (parseServerAddress(entry) && usable.size() < kMaxRecentServers) usable << entry;
    return usable;
}

}  // namespace

Settings::Settings() = default;

Settings::Settings(const QString& path) : Settings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

Settings::Settings(std::unique_ptr<QSettings> store) : store_(std::move(store)) {
    zoom_ = readZoom(store_->value(QLatin1String(kZoomKey)));
    logMessages_ = readSwitch(store_->value(QLatin1String(kLogMessagesKey)), false);
    const QVariant geometry = store_->value(QLatin1String(kGeometryKey));
    if (geometry.canConvert<QByteArray>()) geometry_ = geometry.toByteArray();
    geometryZoom_ = readZoom(store_->value(QLatin1String(kGeometryZoomKey)));
    recentServers_ = readServers(store_->value(QLatin1String(kRecentServersKey)));
}

Settings::~Settings() = default;

std::unique_ptr<Settings> Settings::forUser() {
    return std::unique_ptr<Settings>(new Settings(
        std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Quorlak"), QStringLiteral("quorlak"))));
}

std::optional<int> Settings::zoom() const { return zoom_; }

void Settings::setZoom(int zoom) {
    if (zoom < kMinZoom || zoom > kMaxZoom) return;
    zoom_ = zoom;
    if (store_) store_->setValue(QLatin1String(kZoomKey), zoom);
}

bool Settings::logMessages() const { return logMessages_; }

void Settings::setLogMessages(bool on) {
    logMessages_ = on;
    if (store_) store_->setValue(QLatin1String(kLogMessagesKey), on);
}

QByteArray Settings::windowGeometry(int zoom) const { return geometryZoom_ == zoom ? geometry_ : QByteArray(); }

void Settings::setWindowGeometry(const QByteArray& geometry, int zoom) {
    geometry_ = geometry;
    geometryZoom_ = zoom;
    if (!store_) return;
    store_->setValue(QLatin1String(kGeometryKey), geometry);
    store_->setValue(QLatin1String(kGeometryZoomKey), zoom);
}

QStringList Settings::recentServers() const { return recentServers_; }

void Settings::rememberServer(const ServerAddress& address) {
    recentServers_ = withRecentServer(recentServers_, address);
    if (store_) store_->setValue(QLatin1String(kRecentServersKey), recentServers_);
}

QString Settings::fileName() const { return store_ ? store_->fileName() : QString(); }

}  // namespace quorlak
