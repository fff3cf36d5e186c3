// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/toolbar_icons.h"

namespace aerodex {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About aerodex"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFont(QFont(QStringLiteral("Times New Roman"), 12));

  auto* picture = new QLabel(this);
  // 16 by 16 device-independent pixels, drawn sharp at the screen's ratio.
  picture->setPixmap(ProgramIcon().pixmap(QSize(16, 16), devicePixelRatioF()));
  picture->setAlignment(Qt::AlignTop);
  auto* version = new QLabel(QString::fromLatin1(kVersionLine), this);
  version->setObjectName(QStringLiteral("version"));
  QFont bold = version->font();
  bold.setBold(true);
  version->setFont(bold);
  auto* about = new QLabel(
      QStringLiteral(
          "A flight log for the private pilot:\nflights, totals, currency and aircraft."),
      this);
  about->setObjectName(QStringLiteral("about"));
  // Below the program's own lines: the terms it comes under.
  auto* licence = new QLabel(
      QStringLiteral("Free software under the GNU General Public License,\nversion 3 or later."),
      this);
  licence->setObjectName(QStringLiteral("licence"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(version);
  texts->addWidget(about);
  texts->addWidget(licence);
  texts->addStretch();
  auto* row = new QHBoxLayout;
  row->addWidget(picture);
  row->addSpacing(12);
  row->addLayout(texts, 1);
  auto* button = new QVBoxLayout;
  button->addWidget(ok);
  button->addStretch();
  row->addLayout(button);
  auto* whole = new QVBoxLayout(this);
  whole->addLayout(row);
  whole->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace aerodex
