// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/form_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>

namespace aerodex {

QGroupBox* MakeGroup(const char* title, QWidget* parent) {
  auto* group = new QGroupBox(QString::fromLatin1(title), parent);
  group->setObjectName(QString::fromLatin1(title));
  return group;
}

QGridLayout* GroupGrid(QGroupBox* group) {
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  return grid;
}

void SetWidthInChars(QWidget* box, int chars) {
  const QFontMetrics metrics(box->font());
  // Text margins and frame of a line edit, as the style draws them.
  const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
  const int inside = metrics.horizontalAdvance(QString(chars, QLatin1Char('0')));
  box->setFixedWidth(inside + 2 * frame + 10);
}

QLabel* MakeText(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

QLabel* MakeSlash(QWidget* parent) {
  auto* slash = new QLabel(QStringLiteral("/"), parent);
  slash->setAlignment(Qt::AlignCenter);
  return slash;
}

std::pair<QString, QString> SplitBoxPrefix(const char* label) {
  const QString text = QString::fromLatin1(label);
  if (text.endsWith(QLatin1String(" N")) || text.endsWith(QLatin1String(" $"))) {
    return {text.left(text.size() - 1).trimmed(), text.right(1)};
  }
  return {text, QString()};
}

}  // namespace aerodex
