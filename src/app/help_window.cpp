// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/bundled_resources.h"
#include "app/screen_fit.h"

namespace aerodex {

namespace {

double Luminance(const QColor& colour) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

// Some dark palettes keep Qt's pure blue links; links and headings in it
// would vanish on the dark base, so they fall back to the text colour.
QColor LinkColour(const QPalette& palette) {
  const double link = Luminance(palette.color(QPalette::Link));
  const double base = Luminance(palette.color(QPalette::Base));
  const double contrast = (std::max(link, base) + 0.05) / (std::min(link, base) + 0.05);
  return contrast >= 4.5 ? palette.color(QPalette::Link) : palette.color(QPalette::Text);
}

}  // namespace

QString HelpStyleSheet(const QPalette& palette) {
  const auto name = [&palette](QPalette::ColorRole role) { return palette.color(role).name(); };
  return QStringLiteral(
             "h1, h2, a { color: %1; } h3 { color: %2; } table { border-color: %3; } "
             "th, .note { background-color: %4; color: %2; }")
      .arg(LinkColour(palette).name(), name(QPalette::Text), name(QPalette::Mid),
           name(QPalette::AlternateBase));
}

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent) {
  RegisterBundledResources();
  setWindowTitle(QStringLiteral("aerodex Help"));
  setWindowFlags(Qt::Window);
  setObjectName(QStringLiteral("helpWindow"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  ApplyPaletteColours();
  auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
  auto* back = new QPushButton(QStringLiteral("&Back"), this);
  auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);
  resize(FitToScreen(*this, QSize(720, 640)));
}

void CHelpWindow::ApplyPaletteColours() {
  browser_->document()->setDefaultStyleSheet(HelpStyleSheet(browser_->palette()));
}

void CHelpWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::PaletteChange) return;
  ApplyPaletteColours();
  if (!browser_->source().isEmpty()) browser_->reload();
}

void CHelpWindow::ShowTopic(const QString& anchor) {
  QUrl url(QString::fromLatin1(kHelpUrl));
  if (!anchor.isEmpty())
    url.setFragment(anchor.startsWith(QLatin1Char('#')) ? anchor.mid(1) : anchor);
  browser_->setSource(url);
  show();
  raise();
  activateWindow();
}

}  // namespace aerodex
