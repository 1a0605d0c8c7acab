#include "core/TMain.h"

#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>
#include <utility>

#include "core/ErrorBox.h"
#include "core/LauncherSettings.h"
#include "core/ModTable.h"

namespace orvane {

TMain::TMain(LauncherState& state, RegistryStore& registry, StartupHooks hooks, QWidget* parent)
    : QMainWindow(parent), state_(state), registry_(registry), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("TMain"));
  setWindowTitle(QStringLiteral("Orvane"));
  BuildControls();
  RunStartupGuarded(state_, registry_, hooks_, *this);
  ShowInstalledMods();
}

void TMain::BuildControls() {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(147, 172, 210));
  setPalette(palette);
  setAutoFillBackground(true);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  setFont(font);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  auto* title = new QLabel(QStringLiteral("<b>Select a Mod</b>"), central);
  mods_label_ = new QLabel(central);
  mods_label_->setObjectName(QStringLiteral("LB_InstalledMods"));
  layout->addWidget(title);
  layout->addWidget(mods_label_);
  layout->addStretch();
  setCentralWidget(central);
  resize(586, 224);
}

void TMain::ReportError(const std::string& message, const std::string& detail) {
  ShowErrorBox(this, message, detail);
}

void TMain::ShowInstalledMods() {
  QStringList lines;
  for (const ModInfo& mod : Mods()) {
    if (ModButtonShown(state_, mod)) lines << QString::fromStdString(std::string(mod.hint));
  }
  if (lines.isEmpty()) {
    lines << (state_.hl_path.empty() ? QStringLiteral("Half-Life was not found.")
                                     : QStringLiteral("No mod is installed in %1")
                                           .arg(QString::fromStdString(state_.hl_path)));
  }
  mods_label_->setText(lines.join(QLatin1Char('\n')));
}

}  // namespace orvane
