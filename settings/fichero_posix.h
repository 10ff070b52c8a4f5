// File-system primitives of the settings store: whole-file reading that tells a missing file
// from an unreadable one, atomic and durable replacement, and the advisory lock that keeps a
// read-modify-write of one process from interleaving with another's.
#pragma once

#include <functional>
#include <string>

enum class ReadOutcome { kRead, kMissing, kUnreadable };

// Reads the whole file into `contents` (left empty unless kRead).
ReadOutcome ReadWholeFile(const std::string& path, std::string& contents);

// Replaces the file with `bytes` through a temporary file in the same folder, flushed to disk
// and renamed over it; the folder is flushed too. Needs the lock to be held.
bool ReplaceFileDurably(const std::string& path, const std::string& bytes);

// One read-modify-write of the file under its lock: the folder is created when missing, the
// file read whole (empty when missing), `change` turns its contents into the new ones and the
// file is replaced durably. A file that is there but cannot be read is left alone, since
// rewriting it from nothing would lose what it holds. False when nothing was written.
bool RewriteLocked(const std::string& path,
                   const std::function<std::string(const std::string&)>& change);

// The folder part of a path ("." when it has none).
std::string FolderOf(const std::string& path);

// Creates the folder and its missing parents.
bool CreateFolders(const std::string& folder);

// Exclusive advisory lock on path + ".lock", held for the object's lifetime. The folder must
// exist; `held()` is false when the lock file cannot be opened.
class FileLock {
  public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};
