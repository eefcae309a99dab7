#include "platform/posix/display_check.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <charconv>
#include <cstring>

namespace verbsmith {

namespace {

constexpr int kX11BasePort = 6000;

std::string Variable(Processes& processes, const char* name) {
  return processes.GetEnv(name).value_or(std::string());
}

bool ConnectsTo(const sockaddr* address, socklen_t size) {
  const int fd = ::socket(address->sa_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool connected = ::connect(fd, address, size) == 0;
  ::close(fd);
  return connected;
}

bool UnixSocketAccepts(const std::string& path, bool abstract = false) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const size_t offset = abstract ? 1 : 0;  // an abstract name starts with a zero byte
  if (path.size() + offset >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path + offset, path.data(), path.size());
  const auto size =
      static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
  return ConnectsTo(reinterpret_cast<const sockaddr*>(&address), size);
}

bool TcpAccepts(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
  bool connected = false;
  for (const addrinfo* a = found; a != nullptr && !connected; a = a->ai_next) {
    connected = ConnectsTo(a->ai_addr, a->ai_addrlen);
  }
  ::freeaddrinfo(found);
  return connected;
}

// DISPLAY is [host]:number[.screen]; no host (or "unix") is the local socket.
bool XDisplayAccepts(const std::string& display) {
  const size_t colon = display.rfind(':');
  if (colon == std::string::npos) return false;
  const std::string host = display.substr(0, colon);
  const std::string rest = display.substr(colon + 1);
  int number = -1;
  const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), number);
  if (error != std::errc() || number < 0 || (end != rest.data() + rest.size() && *end != '.')) return false;
  if (host.empty() || host == "unix") {
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
    return UnixSocketAccepts(path) || UnixSocketAccepts(path, true);
  }
  return TcpAccepts(host, kX11BasePort + number);
}

bool WaylandAccepts(Processes& processes, const std::string& display) {
  if (display.front() == '/') return UnixSocketAccepts(display);
  const std::string runtime = Variable(processes, "XDG_RUNTIME_DIR");
  return !runtime.empty() && UnixSocketAccepts(runtime + "/" + display);
}

}  // namespace

std::optional<std::string> DisplayProblem(Processes& processes) {
  const std::string platform = Variable(processes, "QT_QPA_PLATFORM");
  // offscreen, vnc, eglfs and the like need no desktop display.
  if (!platform.empty() && !platform.starts_with("xcb") && !platform.starts_with("wayland"))
    return std::nullopt;
  const std::string wayland = Variable(processes, "WAYLAND_DISPLAY");
  const std::string x11 = Variable(processes, "DISPLAY");
  if (wayland.empty() && x11.empty()) return "DISPLAY and WAYLAND_DISPLAY are not set";
  if (!wayland.empty() && !platform.starts_with("xcb") && WaylandAccepts(processes, wayland))
    return std::nullopt;
  if (!x11.empty() && XDisplayAccepts(x11)) return std::nullopt;
  return "cannot connect to the display " + (x11.empty() ? wayland : x11);
}

}  // namespace verbsmith
