#pragma once
// A loopback UDP relay in front of an agent that holds every request until it is released:
// until then reads time out as against a switch that does not answer; on release the held
// requests go on to the agent and its answers come back, so a request with a long time-out
// (the LED poll) ends at once instead of keeping a test waiting for it.
#include <QtGlobal>

#include <atomic>
#include <functional>
#include <thread>

namespace testutil {

class HoldingRelay {
public:
    // onFirstRequest runs on the relay's own thread when the first request arrives; a module
    // blocked in a synchronous read can be looked at from there.
    explicit HoldingRelay(quint16 agentPort, std::function<void()> onFirstRequest = {});
    ~HoldingRelay();
    HoldingRelay(const HoldingRelay&) = delete;
    HoldingRelay& operator=(const HoldingRelay&) = delete;

    // The port on 127.0.0.1 to send requests to; 0 when the relay could not be set up.
    quint16 port() const { return m_port; }
    // The first request came and onFirstRequest has returned.
    bool noted() const { return m_noted; }
    // From now on every request, held ones first, is passed to the agent.
    void release() { m_released = true; }

private:
    void run();

    std::function<void()> m_onFirst;
    int m_fd = -1;
    quint16 m_port = 0;
    quint16 m_agentPort = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_released{false};
    std::atomic<bool> m_noted{false};
    std::thread m_thread;
};

} // namespace testutil
