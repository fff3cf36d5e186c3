#include "app/program_info.h"

#include <string_view>

#include "aerodex_version.h"

namespace aerodex {
namespace {

constexpr const char* kHelp =
    "aerodex: a flight log for a private pilot.\n"
    "\n"
    "Usage: aerodex [LOG.adx]            open the window, on LOG.adx when it is named\n"
    "       aerodex /p LOG.adx           print the log on the default printer and exit\n"
    "       aerodex /pt LOG.adx PRINTER  print the log on the named printer and exit\n"
    "       aerodex --help | --version\n"
    "\n"
    "Files:\n"
    "  ~/.config/aerodex.ini               settings and the recent files\n"
    "  ~/.local/share/aerodex/backups/     earlier versions of each log\n"
    "  ~/.local/state/aerodex/recovery/    unsaved work, offered at the next start after a crash\n"
    "\n"
    "aerodex-cli reads, converts and imports logs without the window (aerodex-cli --help).\n";

}  // namespace

std::optional<std::string> ProgramInfoRequested(int argc, const char* const* argv) {
  if (argc < 2) return std::nullopt;
  const std::string_view first = argv[1];
  if (first == "--help" || first == "-h") return std::string(kHelp);
  if (first == "--version") return std::string("aerodex ") + AERODEX_VERSION + "\n";
  return std::nullopt;
}

}  // namespace aerodex
