// The running copy's socket on Linux and other Unix systems: a Unix socket
// at the path QLocalServer gives the name (the temporary folder), served
// through the event loop's socket notifiers. Qt's network library, with the
// Kerberos and proxy libraries it brings, then stays out of the start-up.
#if !defined(_WIN32)
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QSocketNotifier>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>

#include "shell/running_copy.h"
#include "shell/running_copy_protocol.h"

namespace vorlash {

namespace {

// Where QLocalServer puts a socket of that name, so that copies of either
// kind find each other.
QByteArray socket_path(const QString& name) {
  return QDir::cleanPath(QDir::tempPath() + QLatin1Char('/') + name).toLocal8Bit();
}

bool socket_address(const QByteArray& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  return true;
}

// Waits for fd to be readable (or writable); false on timeout.
bool wait_for(int fd, short events, int timeout_ms) {
  pollfd p{fd, events, 0};
  int r = 0;
  do {
    r = ::poll(&p, 1, timeout_ms);
  } while (r < 0 && errno == EINTR);
  return r > 0;
}

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

bool ask_running_copy_to_show(const QString& name, int timeout_ms) {
  sockaddr_un address;
  if (!socket_address(socket_path(name), address)) return false;
  Fd const socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (socket.get() < 0) return false;
  if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return false;
  std::size_t const request_size = sizeof kShowRequest - 1;
  if (::send(socket.get(), kShowRequest, request_size, MSG_NOSIGNAL) !=
      static_cast<ssize_t>(request_size))
    return false;
  auto const deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  QByteArray answer;
  while (!answer.contains('\n')) {
    auto const left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !wait_for(socket.get(), POLLIN, static_cast<int>(left.count())))
      return false;
    char buffer[64];
    ssize_t const n = ::recv(socket.get(), buffer, sizeof buffer, 0);
    if (n <= 0) return false;
    answer.append(buffer, n);
  }
  return answer.left(answer.indexOf('\n') + 1) == kShown;
}

struct RunningCopyServer::Listener {
  QByteArray path;
  int fd = -1;
  ~Listener() {
    if (fd < 0) return;
    ::close(fd);
    ::unlink(path.constData());  // as QLocalServer does on closing
  }
};

RunningCopyServer::RunningCopyServer(const QString& name, std::function<void()> show)
    : listener_(std::make_unique<Listener>()), show_(std::move(show)) {
  listener_->path = socket_path(name);
  sockaddr_un address;
  if (!socket_address(listener_->path, address)) return;
  int const fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return;
  auto const bind_private = [&] {
    // Only this user may connect: the socket is made without access for others.
    mode_t const old_mask = ::umask(0077);
    int const r = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::umask(old_mask);
    return r == 0;
  };
  // A socket file left by a copy that crashed: the caller holds the lock.
  if (!bind_private()) {
    ::unlink(listener_->path.constData());
    if (!bind_private()) {
      ::close(fd);
      return;
    }
  }
  if (::listen(fd, 8) != 0) {
    ::close(fd);
    ::unlink(listener_->path.constData());
    return;
  }
  listener_->fd = fd;
  auto* incoming = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(incoming, &QSocketNotifier::activated, this, [this] {
    int client = -1;
    while ((client = ::accept4(listener_->fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >=
           0) {
      // Each asking copy sends one line and gets one answer; whatever else
      // comes, or a copy that goes away, only closes the connection.
      auto* readable = new QSocketNotifier(client, QSocketNotifier::Read, this);
      auto request = std::make_shared<QByteArray>();
      auto const finish = [readable, client] {
        readable->setEnabled(false);
        readable->deleteLater();
        ::close(client);
      };
      connect(readable, &QSocketNotifier::activated, this, [this, client, request, finish] {
        char buffer[64];
        ssize_t n = 0;
        while ((n = ::recv(client, buffer, sizeof buffer, 0)) > 0) request->append(buffer, n);
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return finish();
        if (!request->contains('\n')) {
          if (n == 0) finish();  // gone before asking
          return;
        }
        if (request->left(request->indexOf('\n') + 1) == kShowRequest) {
          if (show_) show_();
          wait_for(client, POLLOUT, 1000);
          ::send(client, kShown, sizeof kShown - 1, MSG_NOSIGNAL);
        }
        finish();
      });
    }
  });
}

RunningCopyServer::~RunningCopyServer() = default;

bool RunningCopyServer::listening() const {
  return listener_->fd >= 0;
}

}  // namespace vorlash
#endif  // !_WIN32
