// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "files/file_env.h"

namespace aerodex {

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string AbsolutePath(const std::string& path, CFileEnv& env) {
  if (!path.empty() && path.front() == '/') return path;
  std::string folder;
  if (env.CurrentFolder(folder) != 0) return path;
  return folder + '/' + path;
}

FileResult ResolveLinks(const std::string& path, std::string& target, CFileEnv& env) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (env.Lstat(target, info) != 0 || !S_ISLNK(info.st_mode)) return {};
    std::string link;
    if (env.Readlink(target, link) <= 0) return FileResult::FromErrno();
    target = link.front() == '/' ? link : FolderOf(target) + '/' + link;
  }
  return FileResult::FromErrno(ELOOP);
}

std::string CanonicalPath(const std::string& path, CFileEnv& env) {
  std::string target;
  const std::string absolute = AbsolutePath(path, env);
  if (!ResolveLinks(absolute, target, env).ok) target = absolute;
  std::string canonical;
  if (env.RealPath(FolderOf(target), canonical) != 0) return target;
  if (canonical != "/") canonical += '/';
  return canonical + NameOf(target);
}

std::size_t NameMaxOf(const std::string& folder, CFileEnv& env) {
  const long max = env.NameMax(folder);
  return max > 0 ? static_cast<std::size_t>(max) : 255;
}

std::string StableHash(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

std::string FitName(const std::string& prefix, const std::string& base, const std::string& suffix,
                    std::size_t maxBytes) {
  if (prefix.size() + base.size() + suffix.size() <= maxBytes) return prefix + base + suffix;
  const std::string mark = "~" + StableHash(base).substr(0, 8);
  const std::size_t fixed = prefix.size() + mark.size() + suffix.size();
  std::size_t keep = maxBytes > fixed ? maxBytes - fixed : 0;
  // Never end inside a UTF-8 sequence: file managers show such names badly.
  while (keep > 0 && keep < base.size() &&
         (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80) {
    --keep;
  }
  return prefix + base.substr(0, keep) + mark + suffix;
}

namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
  return "/tmp";
}

// An XDG folder variable; relative values are invalid and ignored.
std::string XdgFolder(const char* variable, const char* fallbackUnderHome) {
  if (const char* value = std::getenv(variable); value && value[0] == '/') return value;
  return HomeFolder() + fallbackUnderHome;
}

}  // namespace

std::string UserDataFolder() { return XdgFolder("XDG_DATA_HOME", "/.local/share"); }
std::string UserStateFolder() { return XdgFolder("XDG_STATE_HOME", "/.local/state"); }

FileResult MakeFolders(const std::string& folder, CFileEnv& env) {
  if (folder.empty() || folder == "/" || folder == ".") return {};
  struct stat info {};
  if (env.Stat(folder, info) == 0) {
    return S_ISDIR(info.st_mode) ? FileResult{} : FileResult::FromErrno(ENOTDIR);
  }
  if (FileResult parent = MakeFolders(FolderOf(folder), env); !parent.ok) return parent;
  if (env.Mkdir(folder, 0700) != 0 && errno != EEXIST) return FileResult::FromErrno();
  return {};
}

FileResult MakePrivateFolder(const std::string& folder, CFileEnv& env) {
  if (FileResult made = MakeFolders(folder, env); !made.ok) return made;
  struct stat info {};
  if (env.Stat(folder, info) == 0 && (info.st_mode & 077) != 0 && info.st_uid == ::geteuid() &&
      env.Chmod(folder, info.st_mode & 07700) != 0) {
    return FileResult::FromErrno();
  }
  return {};
}

}  // namespace aerodex
