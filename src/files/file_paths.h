// SPDX-License-Identifier: GPL-3.0-or-later
// Path arithmetic for the files kept beside a log and in the user's folders:
// folder and name of a path, the file a chain of symbolic links ends at, the
// longest name a folder takes, names shortened to fit it, and the user's
// data and state folders.
#pragma once

#include <cstdint>
#include <string>

#include "files/file_result.h"

namespace aerodex {

class CFileEnv;
CFileEnv& DefaultFileEnv();

std::string FolderOf(const std::string& path);  // "." for a bare name
std::string NameOf(const std::string& path);

// The absolute form of path, made from the working folder (no links followed).
std::string AbsolutePath(const std::string& path, CFileEnv& env = DefaultFileEnv());

// The file that path names once every symbolic link is followed, even when
// the last link points at a file that does not exist yet (saving creates it
// there). path itself when it is not a link.
FileResult ResolveLinks(const std::string& path, std::string& target,
                        CFileEnv& env = DefaultFileEnv());

// One spelling for every way of naming the same file: links followed (the
// last one too), "..", "." and repeated slashes resolved through the real
// folder. Falls back to the absolute form where the folder cannot be resolved.
std::string CanonicalPath(const std::string& path, CFileEnv& env = DefaultFileEnv());

// The longest file name the folder's file system takes (255 on most).
std::size_t NameMaxOf(const std::string& folder, CFileEnv& env = DefaultFileEnv());

// prefix + base + suffix, with base cut (at a character boundary) so that the
// whole fits in maxBytes. A cut base gets a short hash of the whole base, so
// that two long names sharing a beginning still give different names.
std::string FitName(const std::string& prefix, const std::string& base, const std::string& suffix,
                    std::size_t maxBytes);

// 64-bit FNV-1a of the bytes, as 16 hex digits: stable across runs and builds.
std::string StableHash(const std::string& bytes);

// $XDG_DATA_HOME or ~/.local/share; $XDG_STATE_HOME or ~/.local/state.
std::string UserDataFolder();
std::string UserStateFolder();

// Creates the folder and its missing parents, private to the user (0700).
FileResult MakeFolders(const std::string& folder, CFileEnv& env = DefaultFileEnv());
// The same, and a folder that was there already is made private too.
FileResult MakePrivateFolder(const std::string& folder, CFileEnv& env = DefaultFileEnv());

}  // namespace aerodex
