// SPDX-License-Identifier: GPL-3.0-or-later
// Small layout pieces shared by the form dialogs: framed groups, boxes sized
// for a number of characters, the "/" between month and year, and labels
// whose last letter (the N of an N-Number, the $ of a cost) stands right in
// front of the box instead of at the end of the label.
#pragma once

#include <QString>
#include <utility>

class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;

namespace aerodex {

QGroupBox* MakeGroup(const char* title, QWidget* parent);
// A grid for the inside of a group, with the dialogs' common spacing.
QGridLayout* GroupGrid(QGroupBox* group);

// Fixes a box's width to show this many digits in its font.
void SetWidthInChars(QWidget* box, int chars);

// A plain label, and the centred separator of a month/year pair.
QLabel* MakeText(const QString& text, QWidget* parent);
QLabel* MakeSlash(QWidget* parent);

// "Aircraft ID: N" gives {"Aircraft ID:", "N"}, "Hourly Cost to Rent/Own $"
// gives {"Hourly Cost to Rent/Own", "$"}; other labels give {label, ""}.
std::pair<QString, QString> SplitBoxPrefix(const char* label);

}  // namespace aerodex
