// The controls of one option table of a settings document, built into a page
// from the table's rows (group boxes by the rows' groups). A change by the
// player goes into the document's table at once and is reported through the
// hooks; Show puts the table's values back into the controls, and ShowStates
// enables, disables, shows and hides them as the document's rules say.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "services/EditorSettings.h"
#include "services/OptionTable.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;

namespace orvane {

class OptionControls {
 public:
  struct Hooks {
    std::function<void(const std::string& control)> changed;
    std::function<ControlState(const std::string& control)> state;
    // A text row's file button: the chosen file's bare name, if any.
    std::function<std::optional<std::string>(const OptionInfo& row)> browse;
  };

  // check_columns: consecutive check boxes of a group side by side, so
  // many options fit on one page.
  OptionControls(QWidget* page, OptionValues& table, Hooks hooks, int check_columns = 1);

  void Show();  // the table's values into the controls, without change reports
  void ShowStates();
  // The group box of that caption, created for the table (for pages that add
  // controls of their own beside the options).
  QGroupBox* Group(const QString& caption) const;

 private:
  struct Control {
    QAbstractButton* check = nullptr;   // kCheck, or the first radio
    QAbstractButton* second = nullptr;  // kRadioPair
    QSpinBox* spin = nullptr;
    QSlider* slider = nullptr;
    QComboBox* choice = nullptr;
    QLineEdit* edit = nullptr;
    QWidget* placed = nullptr;  // what shows or hides
    QLabel* label = nullptr;    // the caption, when apart from the control
  };
  void Changed(size_t row);
  int Value(size_t row) const;
  void ShowHint(size_t row);

  OptionValues& table_;
  Hooks hooks_;
  std::vector<Control> controls_;
  std::map<QString, QGroupBox*> groups_;
};

}  // namespace orvane
