#include "emulator/whole_file.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <random>
#include <set>

namespace emulator {

namespace {

// The temporary files being written. A temporary file is made and renamed (or removed) only
// under the lock, so that AbandonTemporaryFiles sees every one that exists.
class TemporaryFiles {
 public:
  // Opens a new temporary file for `path`, or null (its name is then empty).
  std::FILE* Open(const std::string& path, std::string& name) {
    std::lock_guard lock(mutex_);
    if (abandoned_)
      return nullptr;
    name = TemporaryNameFor(path, NextToken());
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (file == nullptr) {
      name.clear();
      return nullptr;
    }
    pending_.insert(name);
    return file;
  }

  // Renames the complete temporary file to `path`; on failure it is removed.
  bool Finish(const std::string& name, const std::string& path, bool complete) {
    std::lock_guard lock(mutex_);
    std::error_code failed;
    bool renamed = false;
    if (complete && !abandoned_) {
      std::filesystem::rename(name, path, failed);
      renamed = !failed;
    }
    if (!renamed)
      std::filesystem::remove(name, failed);
    pending_.erase(name);
    return renamed;
  }

  void Abandon() {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    for (const std::string& name : pending_)
      std::remove(name.c_str());
    pending_.clear();
  }

 private:
  // Unique within the process by the counter, and between processes by the random start.
  std::string NextToken() {
    char token[40];
    std::snprintf(token, sizeof token, "%08x%04x", static_cast<unsigned>(start_),
                  static_cast<unsigned>(++count_ & 0xffff));
    return token;
  }

  std::mutex mutex_;
  std::set<std::string> pending_;
  bool abandoned_ = false;
  uint32_t start_ = std::random_device{}();
  uint32_t count_ = 0;
};

TemporaryFiles& Temporaries() {
  static TemporaryFiles files;
  return files;
}

WriteResult WriteStandardOutput(std::string_view bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
  if (std::fflush(stdout) != 0 || !written)
    return {"cannot write to standard output"};
  return {};
}

}  // namespace

std::string TemporaryNameFor(const std::string& path, std::string_view token) {
  const std::filesystem::path file(path);
  std::filesystem::path temporary = file;
  temporary.replace_filename("." + file.filename().string() + ".tmp-" + std::string(token));
  return temporary.string();
}

WriteResult WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (path == "-")
    return WriteStandardOutput(bytes);
  std::string name;
  std::FILE* out = Temporaries().Open(path, name);
  if (out == nullptr)
    return {"cannot open " + path + " for writing"};
  // The bytes go out in one write: the stream needs no buffer of its own.
  std::setvbuf(out, nullptr, _IONBF, 0);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  const bool closed = std::fclose(out) == 0;
  if (!Temporaries().Finish(name, path, written && closed))
    return {"cannot write " + path};
  return {};
}

void AbandonTemporaryFiles() {
  Temporaries().Abandon();
}

}  // namespace emulator
