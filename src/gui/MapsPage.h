// The "Maps" page of every editor window, a view of the document's two map
// lists: "Available Maps", "Play Maps" (the starting map, then the map
// cycle), the comment of the selected available map and the buttons between
// them.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/LauncherState.h"
#include "core/ModTable.h"
#include "services/EditorSettings.h"

class QListWidget;
class QPlainTextEdit;

namespace orvane {

class MapsPage final : public QWidget {
  Q_OBJECT

 public:
  MapsPage(LauncherState& state, const EditorSettings& settings, PlayMaps& maps, QWidget* parent);

  void Show();  // both lists from the document; the comment memo emptied
  // The selected "Available Maps" entries, as shown (marks included).
  std::vector<std::string> SelectedAvailable();

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
  void Changed(bool modified);
  void AvailableMapsChanged(int row);
  void MapComExit();

  LauncherState& state_;
  const ModInfo& mod_;
  ListView& available_;
  ListView& play_;
  QListWidget* dispo_ = nullptr;
  QListWidget* cycle_ = nullptr;
  QPlainTextEdit* comment_ = nullptr;
  int comment_entry_ = -1;  // the available entry the memo shows
};

}  // namespace orvane
