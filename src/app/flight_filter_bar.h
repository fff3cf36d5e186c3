// SPDX-License-Identifier: GPL-3.0-or-later
// The filters of the Flights panel and the Charts window, as one bar: a
// period or a date range, an aircraft, make and model text, a class, the
// equipment boxes and a search box for the airports, route and remarks.
// It says changed() at every edit; Filter() reads the controls, "today"
// from the document's clock.
#pragma once

#include <QWidget>

#include "model/document.h"
#include "stats/flight_query.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLineEdit;

namespace aerodex {

class CFlightFilterBar : public QWidget {
  Q_OBJECT

 public:
  CFlightFilterBar(const CAerodexDoc& doc, QWidget* parent = nullptr);

  stats::FlightFilter Filter() const;
  // The aircraft box offers the database's N-Numbers again, keeping the choice.
  void FillAircraft();
  // The second row, for a control of the bar's owner after the search box.
  QHBoxLayout* SecondRow() const { return secondRow_; }

  QComboBox* PeriodBox() const { return period_; }
  QDateEdit* FromEdit() const { return from_; }
  QDateEdit* ToEdit() const { return to_; }
  QComboBox* AircraftBox() const { return aircraft_; }
  QLineEdit* ModelEdit() const { return model_; }
  QComboBox* ClassBox() const { return class_; }
  QCheckBox* ComplexBox() const { return complex_; }
  QCheckBox* HighPerformanceBox() const { return highPerformance_; }
  QCheckBox* TailWheelBox() const { return tailWheel_; }
  QCheckBox* MultiEngineBox() const { return multiEngine_; }
  QLineEdit* SearchEdit() const { return search_; }

 signals:
  void changed();

 private:
  void MakeControls();
  void ConnectControls();

  const CAerodexDoc& doc_;
  QComboBox* period_;
  QDateEdit* from_;
  QDateEdit* to_;
  QComboBox* aircraft_;
  QLineEdit* model_;
  QComboBox* class_;
  QCheckBox* complex_;
  QCheckBox* highPerformance_;
  QCheckBox* tailWheel_;
  QCheckBox* multiEngine_;
  QLineEdit* search_;
  QHBoxLayout* secondRow_;
};

}  // namespace aerodex
