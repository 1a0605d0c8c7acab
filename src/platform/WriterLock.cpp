#include "platform/WriterLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace orvane {

std::optional<WriterLock> WriterLock::Take(const std::filesystem::path& data_dir,
                                           std::chrono::milliseconds patience) {
  if (data_dir.empty()) return WriterLock(-1);  // no data directory known: nothing to share
  std::error_code ec;
  std::filesystem::create_directories(data_dir, ec);
  const std::filesystem::path file = data_dir / "orvane.lock";
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return WriterLock(-1);
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (true) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return WriterLock(fd);
    const int err = errno;
    if (err == EINTR) continue;
    if (err != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
      ::close(fd);
      // A file system without locks locks nothing; a held lock is another writer.
      if (err != EWOULDBLOCK) return WriterLock(-1);
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

WriterLock::WriterLock(WriterLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

WriterLock::~WriterLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the file releases the lock
}

}  // namespace orvane
