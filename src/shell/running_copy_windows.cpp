// The running copy's socket on Windows: a named pipe through QLocalServer.
#if defined(_WIN32)
#include <QLocalServer>
#include <QLocalSocket>

#include "shell/running_copy.h"
#include "shell/running_copy_protocol.h"

namespace vorlash {

struct RunningCopyServer::Listener {
  QLocalServer* server;
};

bool ask_running_copy_to_show(const QString& name, int timeout_ms) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeout_ms)) return false;
  socket.write(kShowRequest);
  if (!socket.waitForBytesWritten(timeout_ms)) return false;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(timeout_ms)) return false;
  }
  return socket.readLine() == kShown;
}

RunningCopyServer::RunningCopyServer(const QString& name, std::function<void()> show)
    : listener_(new Listener{new QLocalServer(this)}), show_(std::move(show)) {
  QLocalServer* server = listener_->server;
  server->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server->listen(name)) {
    QLocalServer::removeServer(name);
    server->listen(name);
  }
  connect(server, &QLocalServer::newConnection, this, [this, server] {
    while (auto* socket = server->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        if (!socket->canReadLine()) return;
        if (socket->readLine() != kShowRequest) {
          socket->disconnectFromServer();
          return;
        }
        if (show_) show_();
        socket->write(kShown);
        socket->flush();
      });
    }
  });
}

RunningCopyServer::~RunningCopyServer() = default;

bool RunningCopyServer::listening() const {
  return listener_->server->isListening();
}

}  // namespace vorlash
#endif  // _WIN32
