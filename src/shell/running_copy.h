// One window per Edition and user: the copy that holds the program lock
// listens on a local socket named after the lock's folder; a second copy
// started there asks it to bring its main window to the front and ends
// without a word. Only when the first copy cannot be reached (another user's
// copy in a shared folder, or one too old to listen) does the second say
// why it cannot start.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

namespace vorlash {

// The socket name for the copy that holds the lock of `lock_folder`: the
// same for every start in that folder, different for every other folder.
QString running_copy_socket_name(const std::string& lock_folder);

// Asks the copy listening on `name` to come to the front; true when it
// answered within `timeout_ms`.
bool ask_running_copy_to_show(const QString& name, int timeout_ms = 3000);

// Listens on `name` for as long as it lives (only this user may connect) and
// runs `show` whenever a second copy asks. A socket file left by a copy that
// crashed is taken over: the caller holds the program lock. On Windows a
// named pipe; elsewhere a Unix socket in the temporary folder, the very one
// QLocalServer would use, served without loading Qt's network library.
class RunningCopyServer final : public QObject {
 public:
  RunningCopyServer(const QString& name, std::function<void()> show);
  ~RunningCopyServer() override;
  bool listening() const;

 private:
  struct Listener;
  std::unique_ptr<Listener> listener_;
  std::function<void()> show_;
};

}  // namespace vorlash
