// The Jumbot window: a view of Jumbot's settings document on seven pages.
#pragma once

#include "editors/JumbotSettings.h"
#include "gui/BotEditorForm.h"

namespace orvane {

// What Jumbot's and Sci-hunt's windows share: the bots' A.I. page in three
// columns, the waypoint page with the editing keys, and the map page's
// legend and per-map configuration buttons.
class JumbotForm : public BotEditorForm {
  Q_OBJECT

 public:
  using BotEditorForm::BotEditorForm;

 protected:
  void BuildAiPage(QWidget* page, JumbotOptions& jumbot);
  void BuildWaypointsPage(QWidget* page, JumbotOptions& jumbot);
  // Two text pages side by side, each under its caption.
  void BuildTextPagePair(QWidget* page, const std::string& left_caption, size_t left,
                         const std::string& right_caption, size_t right);
  // Below the map lists: the legend, "Edit config" (the first selected
  // map's file in config_dir) and "Edit default" (default_file).
  void BuildMapTools(QWidget* page, const std::string& config_dir, const std::string& default_file);
};

class JumbotWindow final : public JumbotForm {
  Q_OBJECT

 public:
  JumbotWindow(LauncherState& state, QWidget* parent);

  JumbotSettings& document() { return static_cast<JumbotSettings&>(settings()); }
};

}  // namespace orvane
