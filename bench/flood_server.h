#pragma once
// A loopback game server for the key latency measure, on a thread of its
// own so that its timing does not depend on the client's event loop: it
// floods the client with drawing when told to, and notes when each key item
// the client sends arrives.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace quorlak::bench {

class FloodServer {
public:
    using Clock = std::chrono::steady_clock;

    // Listens on a free loopback port; `flood` is what it sends over and over.
    explicit FloodServer(std::string flood);
    ~FloodServer();
    FloodServer(const FloodServer&) = delete;
    FloodServer& operator=(const FloodServer&) = delete;

    uint16_t port() const { return port_; }
    bool clientConnected() const { return client_ >= 0; }
    void setFlooding(bool on) { flooding_ = on; }
    // When each key item arrived, in order.
    std::vector<Clock::time_point> keyArrivals() const;

private:
    void serve();

    std::string flood_;
    int listener_ = -1;
    std::atomic<int> client_{-1};
    uint16_t port_ = 0;
    std::atomic<bool> flooding_{false};
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<Clock::time_point> arrivals_;
    std::thread thread_;
};

}  // namespace quorlak::bench
