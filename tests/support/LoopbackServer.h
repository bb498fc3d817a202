// LoopbackServer: real HTTP servers on 127.0.0.1 for tests of network clients.
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <httplib.h>

namespace zelvane::testing {

/// An HTTP server on a free loopback port, serving on its own thread until destroyed.
class LoopbackServer {
  public:
    LoopbackServer() {
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // Stopping a server that has not started listening yet would leave it listening forever.
        while (!server_.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~LoopbackServer() {
        stopping_ = true;
        server_.stop();
        thread_.join();
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    /// "http://127.0.0.1:PORT", the form the clients take as a host.
    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }
    std::string url(const std::string& path) const { return base() + path; }

    /// Answers GET `path` with `status` and `body`, counting the requests. A chunked answer is a
    /// 200 without a declared length.
    void answer(const std::string& path, int status, std::string body, bool chunked = false) {
        server_.Get(path, [=, this](const httplib::Request&, httplib::Response& response) {
            ++hits_;
            response.status = status;
            if (!chunked)
                return response.set_content(body, "application/json");
            response.set_chunked_content_provider(
                "application/json", [body](size_t offset, httplib::DataSink& sink) {
                    if (offset < body.size())
                        return sink.write(body.data() + offset,
                                          std::min<size_t>(65536, body.size() - offset));
                    sink.done();
                    return true;
                });
        });
    }
    /// Answers GET `path` with a 200 whose body never ends: one space every 50 ms.
    void trickle(const std::string& path) {
        server_.Get(path, [this](const httplib::Request&, httplib::Response& response) {
            ++hits_;
            response.set_chunked_content_provider(
                "application/json", [this](size_t, httplib::DataSink& sink) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                    return !stopping_ && sink.write(" ", 1);
                });
        });
    }

    /// Takes GET `path` and never answers it, not even with headers.
    void hang(const std::string& path) {
        server_.Get(path, [this](const httplib::Request&, httplib::Response&) {
            ++hits_;
            while (!stopping_)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        });
    }

    int hits() const { return hits_; }

  private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::atomic<int> hits_ = 0;
    std::atomic<bool> stopping_ = false;
};

} // namespace zelvane::testing
