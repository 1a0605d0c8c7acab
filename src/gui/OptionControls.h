// The controls of one option table of a settings document, built into a page
// from the table's rows (group boxes by the rows' groups). A change by the
// player goes into the document's table at once and is reported through the
// callback; Show puts the table's values back into the controls.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "services/OptionTable.h"

class QAbstractButton;
class QGroupBox;
class QSlider;
class QSpinBox;

namespace orvane {

class OptionControls {
 public:
  OptionControls(QWidget* page, OptionValues& table, std::function<void()> changed);

  void Show();  // the table's values into the controls, without change reports
  // The group box of that caption, created for the table (for pages that add
  // controls of their own beside the options).
  QGroupBox* Group(const QString& caption) const;

 private:
  struct Control {
    QAbstractButton* check = nullptr;   // kCheck, or the first radio
    QAbstractButton* second = nullptr;  // kRadioPair
    QSpinBox* spin = nullptr;
    QSlider* slider = nullptr;
  };
  void Changed(size_t row);
  int Value(size_t row) const;

  OptionValues& table_;
  std::function<void()> changed_;
  std::vector<Control> controls_;
  std::map<QString, QGroupBox*> groups_;
};

}  // namespace orvane
