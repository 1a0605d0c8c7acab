// The "Maps" page of every editor window: "Available Maps", "Play Maps"
// (the starting map, then the map cycle), the comment of the selected
// available map and the buttons between them.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/LauncherState.h"
#include "core/ModTable.h"
#include "services/MapLists.h"

class QListWidget;
class QPlainTextEdit;

namespace orvane {

class MapsPage final : public QWidget {
  Q_OBJECT

 public:
  MapsPage(LauncherState& state, const ModInfo& mod, QWidget* parent);

  void Clear();
  // The available entries, kept sorted as the list box shows them.
  void SetAvailable(std::vector<std::string> entries);
  void AppendPlay(const std::vector<std::string>& maps);
  const std::vector<std::string>& play_maps() const { return play_.items; }

  // The buttons' and keys' operations.
  void AddSelected();
  void AddAll();
  void RemoveSelected();
  void RemoveAll();
  void Move(int step);
  void Shuffle();

 signals:
  void Modified();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refresh();  // shows both lists again
  void Changed(bool modified);
  void MapdispoChanged(int row);
  void MapComExit();

  LauncherState& state_;
  const ModInfo& mod_;
  ListView available_;
  ListView play_;
  QListWidget* dispo_ = nullptr;
  QListWidget* cycle_ = nullptr;
  QPlainTextEdit* comment_ = nullptr;
  int comment_entry_ = -1;  // the available entry the memo shows
};

}  // namespace orvane
