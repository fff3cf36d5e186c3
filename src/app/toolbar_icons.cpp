// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolbar_icons.h"

#include "app/bundled_resources.h"
#include "app/command_ids.h"
#include "app/ink_icon_engine.h"

namespace aerodex {
namespace {

struct IconSource {
  int commandId;
  const char* themeName;  // the freedesktop standard name, or nullptr
  const char* drawing;
  const char* badge;  // laid over the drawing's lower right corner, or nullptr
};

constexpr IconSource kIcons[] = {
    {ID_FILE_SAVE, "document-save", "document-save", nullptr},
    {ID_FILE_PRINT, "document-print", "document-print", nullptr},
    {ID_VIEW_EXPANDED_SIZE, "zoom-in", "zoom-in", nullptr},
    {ID_VIEW_NORMAL_SIZE, "zoom-out", "zoom-out", nullptr},
    {ID_EDIT_PILOT_INFO, nullptr, "pilot-info", nullptr},
    {ID_NEW_AIRCRAFT, nullptr, "aircraft", "badge-add"},
    {ID_EDIT_AIRCRAFT, nullptr, "aircraft", "badge-edit"},
    {ID_DELETE_AIRCRAFT, nullptr, "aircraft", "badge-delete"},
    {ID_NEW_ENTRY, nullptr, "log-page", "badge-add"},
    {ID_EDIT_ENTRY, nullptr, "log-page", "badge-edit"},
    {ID_DELETE_ENTRY, nullptr, "log-page", "badge-delete"},
    {ID_CHECK_CURRENCY, nullptr, "currency-check", nullptr},
    {ID_AIRCRAFT_STATUS, nullptr, "aircraft-status", nullptr},
    {ID_APP_ABOUT, "help-about", "help-about", nullptr},
    {ID_CONTEXT_HELP, nullptr, "whats-this", nullptr},
};

const IconSource* SourceOf(int commandId) {
  for (const IconSource& source : kIcons) {
    if (source.commandId == commandId) return &source;
  }
  return nullptr;
}

QString ToolBarDrawing(const char* name) {
  return QStringLiteral(":/icons/toolbar/%1.svg").arg(QLatin1String(name));
}

}  // namespace

QStringList CommandIconLayers(int commandId) {
  const IconSource* source = SourceOf(commandId);
  if (source == nullptr) return {};
  QStringList layers{ToolBarDrawing(source->drawing)};
  if (source->badge != nullptr) layers.append(ToolBarDrawing(source->badge));
  return layers;
}

QIcon BundledCommandIcon(int commandId) {
  RegisterBundledResources();
  QStringList layers = CommandIconLayers(commandId);
  if (layers.isEmpty()) return {};
  return QIcon(new CInkIconEngine(std::move(layers), true));
}

QIcon CommandIcon(int commandId) {
  const IconSource* source = SourceOf(commandId);
  if (source == nullptr) return {};
  QIcon bundled = BundledCommandIcon(commandId);
  if (source->themeName == nullptr) return bundled;
  return QIcon::fromTheme(QLatin1String(source->themeName), bundled);
}

QIcon ProgramIcon() {
  RegisterBundledResources();
  return QIcon(new CInkIconEngine({QStringLiteral(":/icons/aerodex.svg")}, false));
}

}  // namespace aerodex
