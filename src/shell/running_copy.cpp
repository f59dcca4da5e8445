#include "shell/running_copy.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace vorlash {

namespace {

// What the second copy sends, and the first answers once its window shows.
constexpr char kShowRequest[] = "show\n";
constexpr char kShown[] = "shown\n";

}  // namespace

QString running_copy_socket_name(const std::string& lock_folder) {
  // The folder as the file system spells it, so that copies started by
  // different spellings of one folder find each other: on Windows with
  // backslashes or slashes, anywhere through a link.
  QString const given = QString::fromStdString(lock_folder);
  QString const canonical = QFileInfo(given).canonicalFilePath();
  auto const hash = QCryptographicHash::hash((canonical.isEmpty() ? given : canonical).toUtf8(),
                                             QCryptographicHash::Sha256);
  return QStringLiteral("vorlash-") + QString::fromLatin1(hash.toHex().left(24));
}

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
    : server_(new QLocalServer(this)), show_(std::move(show)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) {
    QLocalServer::removeServer(name);
    server_->listen(name);
  }
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (auto* socket = server_->nextPendingConnection()) {
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

bool RunningCopyServer::listening() const {
  return server_->isListening();
}

}  // namespace vorlash
