// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/screen_fit.h"

// The guide is compiled into the program's library; a static library's
// resources must be registered by hand.
static void RegisterBundledResources() {
  static bool registered = false;
  if (registered) return;
  Q_INIT_RESOURCE(aerodex);
  registered = true;
}

namespace aerodex {

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent) {
  RegisterBundledResources();
  setWindowTitle(QStringLiteral("aerodex Help"));
  setWindowFlags(Qt::Window);
  setObjectName(QStringLiteral("helpWindow"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
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
