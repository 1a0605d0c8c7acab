// The Botman window: the standard game.cfg, bot.cfg (starting map, default
// skill, spawn delay and the roster) and mapcycle.txt, with the Botman lines
// of listenserver.cfg commented out on Apply.
#pragma once

#include <memory>

#include "editors/BotmanFiles.h"
#include "gui/BotEditorForm.h"
#include "gui/OptionControls.h"
#include "services/ServerFiles.h"

namespace orvane {

class TFBotman final : public BotEditorForm {
  Q_OBJECT

 public:
  TFBotman(LauncherState& state, QWidget* parent);
  ~TFBotman() override;

 protected:
  void LoadSequence() override;
  void ResetControls() override;
  void ReloadBotFile() override;
  void SaveSequence() override;
  BotEntry NewEntry() const override;
  void RandomizeEntry(BotEntry& entry, std::mt19937& random) const override;

 private:
  std::string File(std::string_view name) const;

  std::unique_ptr<OptionTable<StandardGameCfg>> game_;
  std::unique_ptr<OptionTable<BotmanBotCfg>> bots_;
  std::string team_text_;
};

}  // namespace orvane
