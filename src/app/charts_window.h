// SPDX-License-Identifier: GPL-3.0-or-later
// CChartsWindow: "Charts", a window beside the log that draws one value of
// the flying (hours of a kind, landings, approaches, flights or cost) as bars
// per month, year, aircraft, make and model or class, with a line of the
// running total for months and years. The flights are those the filter bar
// lets through, as in the Flights panel. Save as PNG and the chart's data as
// CSV. It follows every change of the log's contents and changes nothing.
#pragma once

#include <QDialog>
#include <cstdint>

#include "model/document.h"
#include "model/document_listener.h"
#include "stats/chart_series.h"

class QBarSeries;
class QChart;
class QChartView;
class QComboBox;
class QLineSeries;

namespace aerodex {

class CFlightFilterBar;
class CFrameDialogs;

class CChartsWindow : public QDialog, private CDocumentListener {
  Q_OBJECT

 public:
  CChartsWindow(CAerodexDoc& doc, CFrameDialogs& dialogs, QWidget* parent = nullptr);
  ~CChartsWindow() override;

  CFlightFilterBar* Filters() const { return filters_; }
  QComboBox* ValueBox() const { return value_; }
  QComboBox* ByBox() const { return by_; }
  QChartView* View() const { return view_; }
  const stats::ChartSeries& Series() const { return series_; }
  QBarSeries* Bars() const { return bars_; }
  QLineSeries* Running() const { return running_; }

  stats::ChartValue Value() const;
  stats::GroupBy By() const;
  // Both write atomically; false with a message.
  bool SavePng(const QString& path, QString& error) const;
  bool ExportCsv(const QString& path, QString& error) const;

 private:
  void DocumentChanged(const CAerodexDoc& doc) override;
  QWidget* BuildChoices();
  void Redraw();
  void DrawSeries();
  void SaveAs(bool png);

  CAerodexDoc& doc_;
  CFrameDialogs& dialogs_;
  std::uint64_t shownRevision_ = 0;
  stats::ChartSeries series_;
  CFlightFilterBar* filters_;
  QComboBox* value_;
  QComboBox* by_;
  QChart* chart_;
  QChartView* view_;
  QBarSeries* bars_ = nullptr;
  QLineSeries* running_ = nullptr;
};

}  // namespace aerodex
