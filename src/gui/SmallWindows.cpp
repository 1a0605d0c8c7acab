#include "gui/SmallWindows.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/ErrorBox.h"
#include "gui/widgets/ColorButton.h"
#include "gui/widgets/GameText.h"
#include "gui/widgets/PictureView.h"
#include "gui/widgets/Pictures.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/StringUtil.h"
#include "platform/TextFile.h"
#include "services/Models.h"

namespace orvane {

TextEditorWindow::TextEditorWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TEditor"));
  setWindowTitle(QStringLiteral("File Editor"));
  // A fixed dialog frame without a close box: Save or Cancel.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  ApplyLauncherLook(this);
  setFixedSize(351, 407);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QStringLiteral("For a list and description of all commands, refer to\n"
                                          "the readme.txt file in your mod directory."),
                           this);
  label->setObjectName(QStringLiteral("Label1"));
  layout->addWidget(label);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName(QStringLiteral("Memo"));
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(memo_);
  auto* buttons = new QHBoxLayout;
  auto* cancel = new ColorButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("B_Edit_Cancel"));
  auto* save = new ColorButton(QStringLiteral("Save"), this);
  save->setObjectName(QStringLiteral("BEdit_Save"));
  save->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(save);
  layout->addLayout(buttons);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(save, &QPushButton::clicked, this, &TextEditorWindow::OnSaveClicked);
}

void TextEditorWindow::Open(const std::string& path) {
  path_ = path;
  memo_->clear();
  if (FileExists(path)) {
    QStringList lines;
    for (const std::string& line : ReadLines(path)) lines << FromGame(line);
    memo_->setPlainText(lines.join('\n'));
  }
  setWindowTitle(FromGame(path));
}

void TextEditorWindow::Edit_File(const std::string& path, QWidget* parent) {
  TextEditorWindow editor(parent);
  editor.Open(path);
  if (const QScreen* screen = editor.screen()) {
    editor.move(screen->availableGeometry().center() - editor.rect().center());
  }
  editor.exec();
}

void TextEditorWindow::OnSaveClicked() {
  try {
    WriteLines(path_, SplitLines(ToGame(memo_->toPlainText())));
  } catch (const FileError& e) {
    // The window stays open, so the text is not lost.
    ShowErrorBox(this, "Can't write the file " + e.host_file() + ".", e.detail());
    return;
  }
  accept();
}

ModelPreviewWindow::ModelPreviewWindow(const LauncherState& state, const ModInfo& mod,
                                       QWidget* parent)
    : QWidget(parent, Qt::Tool), state_(state), mod_(mod) {
  setObjectName(QStringLiteral("TPreview"));
  setWindowTitle(QStringLiteral("Preview"));
  setAttribute(Qt::WA_DeleteOnClose);
  ApplyLauncherLook(this);
  resize(179, 231);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  image_ = new PictureView(this);
  image_->setObjectName(QStringLiteral("Image"));
  image_->setMinimumSize(164, 200);
  layout->addWidget(image_);
}

void ModelPreviewWindow::ShowModel(const QString& control_name, const QString& model) {
  setWindowTitle(FromGame(TeamPreviewCaption(ToGame(control_name), ToGame(model))));
  image_->LoadFile(ModelPicturePath(state_, mod_, ToGame(model)));
}

AboutWindow::AboutWindow(bool splash, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), splash_(splash) {
  setObjectName(QStringLiteral("TAbout"));
  setFixedSize(308, 232);
  ApplyLauncherLook(this);
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(0, 0, 308, 232);
  image_ = new QLabel(panel);
  image_->setObjectName(QStringLiteral("Image1"));
  image_->setGeometry(4, 4, 300, 225);
  image_->setPixmap(Picture(QStringLiteral("About"), 300, 225));
  image_->installEventFilter(this);
  image_->setEnabled(!splash);
  auto over_picture = [panel](const char* name, const QString& text, int top) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    label->setGeometry(4, top, 300, 18);
    label->setAlignment(Qt::AlignCenter);
    return label;
  };
  over_picture("Label1", QStringLiteral("VERSION 8.2"), 176);
  QLabel* loading = over_picture("Label_loading", QStringLiteral("Loading. Please wait..."), 200);
  loading->setVisible(splash);
  if (parent != nullptr) {
    move(parent->geometry().center() - rect().center());
  } else if (const QScreen* s = screen()) {
    move(s->availableGeometry().center() - rect().center());
  }
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image_ && event->type() == QEvent::MouseButtonRelease && !splash_) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace orvane
