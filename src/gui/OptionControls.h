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
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;

namespace orvane {

// How a table's controls are laid out.
struct OptionLayout {
  // Consecutive check boxes of a group side by side, so many options fit on one page.
  int check_columns = 1;
  // A slider's caption on a line of its own above it: always, never, or
  // (unset) when four marks and more need the whole width.
  std::optional<bool> slider_caption_above = std::nullopt;
  // Drop-downs sized for a few characters, so long items do not squeeze
  // the captions of a narrow column.
  bool narrow_choices = false;
};

class OptionControls {
 public:
  struct Hooks {
    std::function<void(const std::string& control)> changed;
    std::function<ControlState(const std::string& control)> state;
    // A text row's file button: the chosen file's bare name, if any.
    std::function<std::optional<std::string>(const OptionInfo& row)> browse;
  };

  // page's layout is a box (rows go into group boxes by their groups, or
  // under each other) or a form (rows without a group become its rows);
  // rows of a sub-page go on tabs of their own in it.
  OptionControls(QWidget* page, OptionValues& table, Hooks hooks, OptionLayout layout = {});

  void Show();  // the table's values into the controls, without change reports
  void ShowStates();
  // The group box of that caption, created for the table (for pages that add
  // controls of their own beside the options).
  QGroupBox* Group(const QString& caption) const;
  // The form of the first sub-page, if the rows have any.
  QFormLayout* FirstSubPage() const { return first_sub_page_; }

 private:
  struct Control {
    QAbstractButton* check = nullptr;      // kCheck
    std::vector<QAbstractButton*> radios;  // kRadios
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
  QFormLayout* first_sub_page_ = nullptr;
};

}  // namespace orvane
