// One writer at a time among Orvane's processes (the window, orvanectl run by
// scripts): an advisory lock on a file in the launcher's data directory, held
// around every read-modify-write of the launcher's store, KRV.ini, the
// catalogues and a mod's files. A second writer waits a little, then is told.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

namespace orvane {

inline constexpr const char* kMsgAnotherWriter = "another Orvane is writing these files; try again";
inline constexpr std::chrono::milliseconds kWriterPatience{5000};

class WriterLock {
 public:
  // The lock of data_dir; nullopt when another process still holds it after
  // `patience`. A directory where no lock file can be made locks nothing
  // (the writes then fail or succeed on their own).
  static std::optional<WriterLock> Take(const std::filesystem::path& data_dir,
                                        std::chrono::milliseconds patience = kWriterPatience);

  WriterLock(WriterLock&& other) noexcept;
  WriterLock& operator=(WriterLock&&) = delete;
  WriterLock(const WriterLock&) = delete;
  WriterLock& operator=(const WriterLock&) = delete;
  ~WriterLock();

 private:
  explicit WriterLock(int fd) : fd_(fd) {}
  int fd_;
};

}  // namespace orvane
