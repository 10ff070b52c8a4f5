#include "settings/fichero_posix.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

namespace {

// A settings file that is a symbolic link (a dotfile manager's, say) keeps its link: the
// replacement happens at the link's target.
std::string ResolveLink(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadAll(int fd, std::string& contents) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        if (n == 0) {
            return true;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
}

// The mode the replacement gets: the old file's, or what a fresh file would get.
mode_t ModeFor(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    return 0666;
}

void SyncFolder(const std::string& folder) {
    const int fd = OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

}  // namespace

ReadOutcome ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    const int fd = OpenRetrying(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return errno == ENOENT ? ReadOutcome::kMissing : ReadOutcome::kUnreadable;
    }
    const bool ok = ReadAll(fd, contents);
    close(fd);
    if (!ok) {
        contents.clear();
        return ReadOutcome::kUnreadable;
    }
    return ReadOutcome::kRead;
}

bool ReplaceFileDurably(const std::string& path, const std::string& bytes) {
    const std::string target = ResolveLink(path);
    // Writers hold the lock, so one fixed temporary name serves; a writer killed half-way
    // leaves it behind and the next one truncates it.
    const std::string temporary = target + ".tmp";
    const int fd =
        OpenRetrying(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, ModeFor(target));
    if (fd < 0) {
        return false;
    }
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // The new contents are in place; flushing the folder makes the rename itself durable.
    SyncFolder(FolderOf(target));
    return true;
}

bool CreateFolders(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    struct stat st {};
    if (stat(folder.c_str(), &st) == 0) {
        return S_ISDIR(st.st_mode);
    }
    const auto slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !CreateFolders(folder.substr(0, slash))) {
        return false;
    }
    return mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}

FileLock::FileLock(const std::string& path) {
    const std::string lockPath = path + ".lock";
    fd_ = OpenRetrying(lockPath.c_str(), O_RDWR | O_CREAT, 0666);
    if (fd_ < 0) {
        // Another user's lock file still locks when opened for reading.
        fd_ = OpenRetrying(lockPath.c_str(), O_RDONLY);
    }
    if (fd_ < 0) {
        return;
    }
    int rc;
    do {
        rc = flock(fd_, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        close(fd_);
        fd_ = -1;
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

bool RewriteLocked(const std::string& path,
                   const std::function<std::string(const std::string&)>& change) {
    if (!CreateFolders(FolderOf(path))) {
        return false;
    }
    const FileLock lock(path);
    if (!lock.held()) {
        return false;
    }
    std::string contents;
    if (ReadWholeFile(path, contents) == ReadOutcome::kUnreadable) {
        return false;
    }
    return ReplaceFileDurably(path, change(contents));
}
