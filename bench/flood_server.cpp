#include "flood_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quorlak::bench {
namespace {

constexpr int kPollMs = 1;

}  // namespace

FloodServer::FloodServer(std::string flood) : flood_(std::move(flood)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(listener_, 1) == 0 &&
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { serve(); });
}

FloodServer::~FloodServer() {
    stop_ = true;
    thread_.join();
    if (client_ >= 0) ::close(client_);
    ::close(listener_);
}

std::vector<FloodServer::Clock::time_point> FloodServer::keyArrivals() const {
    std::lock_guard lock(mutex_);
    return arrivals_;
}

void FloodServer::serve() {
    pollfd waiting{listener_, POLLIN, 0};
    while (!stop_ && ::poll(&waiting, 1, kPollMs) <= 0) {}
    if (stop_) return;
    const int client = ::accept(listener_, nullptr, nullptr);
    ::fcntl(client, F_SETFL, ::fcntl(client, F_GETFL) | O_NONBLOCK);
    client_ = client;

    size_t sent = 0;  // into flood_
    char buffer[4096];
    while (!stop_) {
        pollfd ready{client, short(POLLIN | (flooding_ ? POLLOUT : 0)), 0};
        if (::poll(&ready, 1, kPollMs) <= 0) continue;
        if (ready.revents & POLLIN) {
            const ssize_t n = ::read(client, buffer, sizeof buffer);
            if (n <= 0) return;
            const auto now = Clock::now();
            // Every key item holds one comma (" 65, 0"); the keep-alive none.
            std::lock_guard lock(mutex_);
            for (ssize_t i = 0; i < n; ++i)
                if (buffer[i] == ',') arrivals_.push_back(now);
        }
        if ((ready.revents & POLLOUT) && flooding_) {
            const ssize_t n = ::send(client, flood_.data() + sent, flood_.size() - sent, MSG_NOSIGNAL);
            if (n > 0) sent = (sent + size_t(n)) % flood_.size();
        }
    }
}

}  // namespace quorlak::bench
