// SPDX-License-Identifier: GPL-3.0-or-later
// A small file system of its own for a test: a tmpfs mounted on a new
// folder, to be filled up or made read-only. Mounting takes root (CI runs
// as root) on Linux; elsewhere Mounted() is false and Why() says why, for
// the test's skip. The mount goes when the object does, however the test
// ends.
#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#ifdef __linux__
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

class SmallDisk {
public:
  explicit SmallDisk(const std::filesystem::path& where, int kib = 256) : m_path(where) {
#ifdef __linux__
    std::error_code ignored;
    std::filesystem::create_directories(m_path, ignored);
    const std::string options = "size=" + std::to_string(kib) + "k,mode=0755";
    if (geteuid() != 0) {
      m_why = "mounting a small tmpfs takes root";
    } else if (mount("tmpfs", m_path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) !=
               0) {
      m_why = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
    } else {
      m_mounted = true;
    }
#else
    (void)kib;
    m_why = "a small tmpfs is mounted on Linux only";
#endif
  }
  ~SmallDisk() {
#ifdef __linux__
    if (m_mounted) umount2(m_path.c_str(), MNT_DETACH);
#endif
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
  }
  SmallDisk(const SmallDisk&) = delete;
  SmallDisk& operator=(const SmallDisk&) = delete;

  bool Mounted() const { return m_mounted; }
  const std::string& Why() const { return m_why; }
  const std::filesystem::path& Path() const { return m_path; }

  // A filler file takes all the room but about `room` bytes (whole pages).
  bool Fill(std::size_t room = 0) {
#ifdef __linux__
    struct statvfs fs {};
    if (!m_mounted || statvfs(m_path.c_str(), &fs) != 0) return false;
    const std::size_t free = fs.f_bavail * fs.f_frsize;
    const int fd = open((m_path / "filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0) return false;
    const std::vector<char> page(4096, 'x');
    std::size_t left = free > room ? free - room : 0;
    while (room == 0 || left > 0) {
      const std::size_t n = room == 0 ? page.size() : std::min(left, page.size());
      const ssize_t written = write(fd, page.data(), n);
      if (written <= 0) break; // full
      left -= std::min(left, static_cast<std::size_t>(written));
    }
    close(fd);
    return true;
#else
    (void)room;
    return false;
#endif
  }
  void Free() {
    std::error_code ignored;
    std::filesystem::remove(m_path / "filler", ignored);
  }
  bool MakeReadOnly() {
#ifdef __linux__
    return m_mounted &&
           mount("tmpfs", m_path.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
    return false;
#endif
  }

private:
  std::filesystem::path m_path;
  bool m_mounted = false;
  std::string m_why;
};
