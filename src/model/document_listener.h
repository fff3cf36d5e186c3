// SPDX-License-Identifier: GPL-3.0-or-later
// CDocumentListener: told whenever the document changed in a way its views
// may show: its contents or modified state, a new or loaded log, or a redraw
// the document asks for (a new selection, view mode or size). The window
// listens to repaint its view and refresh its commands from one place.
#pragma once

class CAerodexDoc;

class CDocumentListener {
 public:
  virtual ~CDocumentListener() = default;
  virtual void DocumentChanged(const CAerodexDoc& doc) = 0;
};
