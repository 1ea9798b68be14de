#include "tests/support/HoldingRelay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace testutil {

namespace {

sockaddr_in Loopback(quint16 port)
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    return a;
}

} // namespace

HoldingRelay::HoldingRelay(quint16 agentPort, std::function<void()> onFirstRequest)
    : m_onFirst(std::move(onFirstRequest)), m_agentPort(agentPort)
{
    m_fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a = Loopback(0);
    socklen_t len = sizeof a;
    if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0
        || ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &len) != 0)
        return;
    m_port = ntohs(a.sin_port);
    m_thread = std::thread([this] { run(); });
}

HoldingRelay::~HoldingRelay()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_fd >= 0)
        ::close(m_fd);
}

void HoldingRelay::run()
{
    // One socket towards the agent per client socket, so that each answer finds its way back
    // (a module may read through more than one session).
    struct Route {
        sockaddr_in client;
        int upstream;
    };
    std::vector<Route> routes;
    struct Held {
        std::size_t route;
        std::vector<char> data;
    };
    std::vector<Held> held;
    const sockaddr_in agent = Loopback(m_agentPort);
    const auto toAgent = [&](std::size_t route, const std::vector<char>& d) {
        (void)::sendto(routes[route].upstream, d.data(), d.size(), 0, reinterpret_cast<const sockaddr*>(&agent),
                       sizeof agent);
    };
    const auto routeOf = [&](const sockaddr_in& from) {
        for (std::size_t r = 0; r < routes.size(); ++r)
            if (routes[r].client.sin_port == from.sin_port && routes[r].client.sin_addr.s_addr == from.sin_addr.s_addr)
                return r;
        routes.push_back({from, ::socket(AF_INET, SOCK_DGRAM, 0)});
        return routes.size() - 1;
    };
    std::vector<char> buffer(65536);
    while (!m_stop) {
        if (m_released) {
            for (const Held& h : held)
                toAgent(h.route, h.data);
            held.clear();
        }
        std::vector<pollfd> fds{{m_fd, POLLIN, 0}};
        for (const Route& r : routes)
            fds.push_back({r.upstream, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), 10) <= 0)
            continue;
        for (std::size_t k = 1; k < fds.size(); ++k) {
            if (!(fds[k].revents & POLLIN))
                continue;
            const ssize_t n = ::recv(fds[k].fd, buffer.data(), buffer.size(), 0);
            const sockaddr_in& client = routes[k - 1].client;
            if (n >= 0)
                (void)::sendto(m_fd, buffer.data(), std::size_t(n), 0, reinterpret_cast<const sockaddr*>(&client),
                               sizeof client);
        }
        if (!(fds[0].revents & POLLIN))
            continue;
        sockaddr_in from{};
        socklen_t len = sizeof from;
        const ssize_t n = ::recvfrom(m_fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &len);
        if (n < 0)
            continue;
        const std::vector<char> request(buffer.begin(), buffer.begin() + n);
        const std::size_t route = routeOf(from);
        if (!m_noted) {
            if (m_onFirst)
                m_onFirst();
            m_noted = true;
        }
        if (m_released)
            toAgent(route, request);
        else
            held.push_back({route, request});
    }
    for (const Route& r : routes)
        if (r.upstream >= 0)
            ::close(r.upstream);
}

} // namespace testutil
