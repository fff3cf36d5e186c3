// SPDX-License-Identifier: GPL-3.0-or-later
// CHelpWindow: the guide to the program, an HTML book bundled with it, in a
// window of its own with Back, Forward and Contents. Help Topics and F1 open it.
#pragma once

#include <QDialog>
#include <QPalette>

class QTextBrowser;

namespace aerodex {

inline constexpr const char* kHelpUrl = "qrc:/help/aerodex.html";

// The guide's colours, drawn from a palette: headings and links in its link colour,
// table heads and notes on its alternate base.
QString HelpStyleSheet(const QPalette& palette);

class CHelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit CHelpWindow(QWidget* parent = nullptr);

  // Shows the guide at its contents, or at a section ("#views").
  void ShowTopic(const QString& anchor = QString());
  QTextBrowser* Browser() const { return browser_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void ApplyPaletteColours();

  QTextBrowser* browser_;
};

}  // namespace aerodex
