// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/charts_window.h"

#include <QBuffer>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

#include "app/flight_filter_bar.h"
#include "app/frame_dialogs.h"
#include "app/qt_text.h"
#include "app/screen_fit.h"
#include "files/atomic_write.h"
#include "stats/flight_query.h"

namespace aerodex {
namespace {

constexpr const char* kGroupNames[] = {"Month", "Year", "Aircraft", "Make and model", "Class"};

// Room enough for a few years of months; beyond, the labels stand upright.
constexpr int kUprightLabelsAbove = 12;
constexpr int kMostLabels = 120;

QValueAxis* ValueAxis(QChart& chart, Qt::Alignment side, const QString& title, double top) {
  auto* axis = new QValueAxis(&chart);
  axis->setTitleText(title);
  axis->setRange(0, top > 0 ? top : 1);
  axis->applyNiceNumbers();  // round ticks, the highest bar below the top
  axis->setLabelFormat(QStringLiteral("%.0f"));
  chart.addAxis(axis, side);
  return axis;
}

}  // namespace

CChartsWindow::CChartsWindow(CAerodexDoc& doc, CFrameDialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      dialogs_(dialogs),
      filters_(new CFlightFilterBar(doc, this)),
      value_(new QComboBox(this)),
      by_(new QComboBox(this)),
      chart_(new QChart),
      view_(new QChartView(chart_, this)) {
  setWindowTitle(QStringLiteral("Charts"));
  setObjectName(QStringLiteral("charts"));
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(320, 200);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  auto* save = new QPushButton(QStringLiteral("Save as &PNG..."), this);
  auto* csv = new QPushButton(QStringLiteral("Export &CSV..."), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {save, csv, close}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  connect(save, &QPushButton::clicked, this, [this] { SaveAs(true); });
  connect(csv, &QPushButton::clicked, this, [this] { SaveAs(false); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(filters_);
  layout->addWidget(BuildChoices());
  layout->addWidget(view_, 1);
  layout->addLayout(buttons);
  connect(filters_, &CFlightFilterBar::changed, this, &CChartsWindow::Redraw);
  resize(FitToScreen(*this, QSize(std::max(sizeHint().width(), 900), 600)));
  doc_.AddListener(this);
  shownRevision_ = doc_.Revision();
  Redraw();
}

CChartsWindow::~CChartsWindow() { doc_.RemoveListener(this); }

QWidget* CChartsWindow::BuildChoices() {
  for (int v = 0; v < stats::kChartValueCount; ++v) {
    value_->addItem(QString::fromLatin1(stats::ChartValueName(static_cast<stats::ChartValue>(v))));
  }
  for (const char* name : kGroupNames) by_->addItem(QString::fromLatin1(name));
  by_->setCurrentIndex(static_cast<int>(stats::GroupBy::kYear));  // the first look: year by year
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* show = new QLabel(QStringLiteral("&Show"), row);
  show->setBuddy(value_);
  auto* by = new QLabel(QStringLiteral("&by"), row);
  by->setBuddy(by_);
  for (QWidget* widget : std::initializer_list<QWidget*>{show, value_, by, by_}) {
    layout->addWidget(widget);
  }
  layout->addStretch();
  for (QComboBox* box : {value_, by_}) {
    connect(box, &QComboBox::currentIndexChanged, this, &CChartsWindow::Redraw);
  }
  return row;
}

stats::ChartValue CChartsWindow::Value() const {
  return static_cast<stats::ChartValue>(value_->currentIndex());
}

stats::GroupBy CChartsWindow::By() const {
  return static_cast<stats::GroupBy>(by_->currentIndex());
}

void CChartsWindow::DocumentChanged(const CAerodexDoc& doc) {
  if (doc.Revision() == shownRevision_) return;
  shownRevision_ = doc.Revision();
  filters_->FillAircraft();
  Redraw();
}

void CChartsWindow::Redraw() {
  const stats::FlightQuery query(doc_, filters_->Filter());
  series_ = stats::MakeChartSeries(doc_, stats::MatchingFlights(doc_, query), By(), Value());
  DrawSeries();
}

void CChartsWindow::DrawSeries() {
  chart_->removeAllSeries();
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  const QString name = QString::fromLatin1(stats::ChartValueName(Value()));
  chart_->setTitle(name + QStringLiteral(" by ") + by_->currentText().toLower());
  auto* set = new QBarSet(name);
  QStringList categories;
  double top = 0;
  for (std::size_t i = 0; i < series_.keys.size(); ++i) {
    *set << series_.values[i];
    top = std::max(top, series_.values[i]);
    categories << (series_.keys[i].empty() ? QStringLiteral("(none)")
                                           : FromCp1252(series_.keys[i]));
  }
  bars_ = new QBarSeries(chart_);
  bars_->append(set);
  chart_->addSeries(bars_);
  auto* axisX = new QBarCategoryAxis(chart_);
  axisX->append(categories);
  if (categories.size() > kUprightLabelsAbove) axisX->setLabelsAngle(-90);
  axisX->setTruncateLabels(false);  // "2024-03" whole, not "..."
  // Hundreds of labels could not be read anyway, and laying them out is slow.
  axisX->setLabelsVisible(categories.size() <= kMostLabels);
  chart_->addAxis(axisX, Qt::AlignBottom);
  bars_->attachAxis(axisX);
  bars_->attachAxis(ValueAxis(*chart_, Qt::AlignLeft, name, top));
  running_ = nullptr;
  if (series_.running.empty()) return;
  running_ = new QLineSeries(chart_);
  running_->setName(QStringLiteral("Running total"));
  for (std::size_t i = 0; i < series_.running.size(); ++i) {
    running_->append(static_cast<double>(i), series_.running[i]);
  }
  chart_->addSeries(running_);
  running_->attachAxis(axisX);
  running_->attachAxis(ValueAxis(*chart_, Qt::AlignRight, QStringLiteral("Running total"),
                                 series_.running.empty() ? 0 : series_.running.back()));
}

bool CChartsWindow::SavePng(const QString& path, QString& error) const {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!view_->grab().save(&buffer, "PNG")) {
    error = QStringLiteral("The chart could not be drawn.");
    return false;
  }
  const FileResult written = WriteFileAtomically(ToLocalPath(path), png.toStdString());
  if (!written.ok) {
    error =
        QStringLiteral("Failed to write %1. %2").arg(path, QString::fromStdString(written.message));
  }
  return written.ok;
}

bool CChartsWindow::ExportCsv(const QString& path, QString& error) const {
  const std::string csv = Cp1252ToUtf8(stats::ChartSeriesCsv(series_, By(), Value()));
  const FileResult written = WriteFileAtomically(ToLocalPath(path), csv);
  if (!written.ok) {
    error =
        QStringLiteral("Failed to write %1. %2").arg(path, QString::fromStdString(written.message));
  }
  return written.ok;
}

void CChartsWindow::SaveAs(bool png) {
  const QString path = png ? dialogs_.ChooseImageFile(QStringLiteral("chart.png"))
                           : dialogs_.ChooseCsvFile(QStringLiteral("chart.csv"));
  if (path.isEmpty()) return;
  QString error;
  if (!(png ? SavePng(path, error) : ExportCsv(path, error))) dialogs_.ShowMessage(error);
}

}  // namespace aerodex
