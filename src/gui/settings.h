#pragma once
// What the client remembers between runs, with typed accessors and defaults.
// A value that cannot be used (edited by hand, from another version) reads as
// unset, so no setting can keep the client from starting.
//
// Keys: "view/zoom" (1 to 4), "view/logMessages" (true or false),
// "window/geometry" (the main window's saved geometry) with "window/geometryZoom"
// (the zoom it was saved at),
// "connection/recentServers" (HOST:PORT each, newest first).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

namespace quorlak {

struct ServerAddress;

class Settings {
public:
    static constexpr int kMinZoom = 1;
    static constexpr int kMaxZoom = 4;

    // Kept in memory only, for this run.
    Settings();
    // Kept in the INI file at `path`.
    explicit Settings(const QString& path);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // The player's own settings file (~/.config/Quorlak/quorlak.conf on Linux).
    static std::unique_ptr<Settings> forUser();

    // Nothing until a zoom was chosen (the screen decides then).
    std::optional<int> zoom() const;
    void setZoom(int zoom);
    bool logMessages() const;
    void setLogMessages(bool on);
    // The geometry saved at `zoom`; empty when none was, or at another zoom
    // (its size would be another client area).
    QByteArray windowGeometry(int zoom) const;
    void setWindowGeometry(const QByteArray& geometry, int zoom);
    // The servers connected to, newest first; only those that still read as an address.
    QStringList recentServers() const;
    void rememberServer(const ServerAddress& address);

    // Where the settings are kept; empty when only in memory.
    QString fileName() const;

private:
    explicit Settings(std::unique_ptr<QSettings> store);

    std::unique_ptr<QSettings> store_;
    std::optional<int> zoom_;
    bool logMessages_ = false;
    QByteArray geometry_;
    std::optional<int> geometryZoom_;
    QStringList recentServers_;
};

}  // namespace quorlak
