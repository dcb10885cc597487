// The File commands of the main window: New, Open, Import, Save, Save as, the
// recent files, the automatic backup and the question about unsaved changes.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QLabel>

#include "app/autosave_dialog.h"
#include "app/main_window.h"
#include "io/file_commands.h"
#include "io/lay_save.h"
#include "messages/messages.h"

namespace corvane {

namespace {
QString OpenFilter() { return MainWindow::tr("Layout files (*.lay)|*.LAY|All files (*.*)|*.*"); }
QString SaveFilter() { return MainWindow::tr("Layout files (*.lay)|*.LAY|All Files (*.*)|*.*"); }

// The busy cursor for the lifetime of the object.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};
}  // namespace

QString MainWindow::StartFolder() const { return QFileInfo(lastFolder_).isDir() ? lastFolder_ : QString(); }

void MainWindow::RememberFolder(const QString& file) { lastFolder_ = QFileInfo(file).absolutePath(); }

bool MainWindow::ConfirmReplace() {
  return ConfirmReplaceProject(
      project_,
      [this] {
        switch (Ask(QMessageBox::Question, SaveChangesQuestion(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
          case QMessageBox::Yes: return TSaveAnswer::Yes;
          case QMessageBox::No: return TSaveAnswer::No;
          default: return TSaveAnswer::Cancel;
        }
      },
      [this] { return SaveProject(); });
}

void MainWindow::NewProject() {
  if (!ConfirmReplace()) return;
  project_.NewProject(language_);
  SetMode(ToolMode::Edit);
  RefreshAll();
}

void MainWindow::ShowLoadOutcome(const TLoadResult& result) {
  if (!result.ok()) {
    const bool rejected = result.Error.Kind == IoErrorKind::NewerVersion || result.Error.Kind == IoErrorKind::NotLayoutFile;
    Ask(rejected ? QMessageBox::Warning : QMessageBox::Critical, IoErrorMessage(result.Error), QMessageBox::Ok,
        CaptionOpen());
    return;
  }
  if (result.FontTextsConverted > 0) Ask(QMessageBox::Information, FontTextsConverted(), QMessageBox::Ok);
  if (result.OldVersionWarning) Ask(QMessageBox::Warning, OldVersionWarning(), QMessageBox::Ok);
}

bool MainWindow::OpenProjectFile(const QString& path, bool fromRecent) {
  if (!QFileInfo(path).isFile()) {
    Ask(QMessageBox::Warning, FileNotFoundMessage(fromRecent), QMessageBox::Ok, CaptionOpen());
    return false;
  }
  const std::string file = path.toStdString();
  const IoError check = CheckLayoutFile(file);
  if (!check.ok()) {
    Ask(QMessageBox::Warning, IoErrorMessage(check), QMessageBox::Ok, CaptionOpen());
    return false;
  }
  if (!ConfirmReplace()) return false;
  // The file is read into a project of its own first: a damaged file leaves
  // the open project as it was.
  TFontTextOptions fontTexts;
  fontTexts.Ask = [this](std::size_t count) {
    return Ask(QMessageBox::Question, FontTextQuestion(count), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  fontTexts.Undo = &undo_;
  TLoadOptions load;
  load.Language = language_;
  load.Recent = &settings_.History;
  load.FontTexts = &fontTexts;
  TProject opened;
  TLoadResult result;
  {
    BusyCursor busy;
    result = LoadLayout(file, opened, load);
  }
  if (!result.ok()) {
    ShowLoadOutcome(result);
    return false;
  }
  project_ = std::move(opened);
  project_.FileName = file;
  RememberFolder(path);
  SetMode(ToolMode::Edit);
  RefreshAll();
  ShowLoadOutcome(result);
  return true;
}

void MainWindow::OpenWithDialog() {
  const QString path = asker_->OpenFileName(this, StartFolder(), OpenFilter());
  if (path.isEmpty()) return;
  OpenProjectFile(path, false);
}

void MainWindow::ImportBoards() {
  const QString path = asker_->OpenFileName(this, StartFolder(), OpenFilter());
  if (path.isEmpty()) return;
  if (!QFileInfo(path).isFile()) {
    Ask(QMessageBox::Warning, FileNotFoundMessage(false), QMessageBox::Ok, CaptionOpen());
    return;
  }
  const std::string file = path.toStdString();
  const IoError check = CheckLayoutFile(file);
  if (!check.ok()) {
    Ask(QMessageBox::Warning, IoErrorMessage(check), QMessageBox::Ok, CaptionOpen());
    return;
  }
  TFontTextOptions fontTexts;
  fontTexts.Ask = [this](std::size_t count) {
    return Ask(QMessageBox::Question, FontTextQuestion(count), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  fontTexts.Undo = &undo_;
  TLoadOptions load;
  load.Append = true;
  load.Language = language_;
  load.Recent = &settings_.History;
  load.FontTexts = &fontTexts;
  TLoadResult result;
  {
    BusyCursor busy;
    result = LoadLayout(file, project_, load);
  }
  if (result.ok()) RememberFolder(path);
  RefreshAll();
  ShowLoadOutcome(result);
}

void MainWindow::OpenRecent(int index) {
  const std::string entry = settings_.History.Entry(static_cast<std::size_t>(index));
  OpenProjectFile(QString::fromStdString(entry), true);
}

void MainWindow::RefreshRecentFiles() {
  const RecentFiles& recent = settings_.History;
  for (std::size_t i = 0; i < RecentFiles::kCount; ++i) {
    QAction* action = actions_.Recent[i];
    action->setVisible(recent.Shown(i));
    action->setText(QString::fromStdString(recent.Caption(i)));
  }
  actions_.RecentSeparator->setVisible(recent.Shown(0));
}

bool MainWindow::SaveTo(const QString& path) {
  AreaToView();
  IoError error;
  {
    BusyCursor busy;
    TSaveOptions save;
    save.Recent = &settings_.History;
    error = SaveLayout(path.toStdString(), project_, save);
  }
  RefreshRecentFiles();
  RefreshCommandStates();
  if (!error.ok()) {
    Ask(QMessageBox::Critical, IoErrorMessage(error), QMessageBox::Ok);
    return false;
  }
  return true;
}

bool MainWindow::SaveProject() {
  if (project_.FileName.empty()) return SaveProjectAs();
  return SaveTo(QString::fromStdString(project_.FileName));
}

bool MainWindow::SaveProjectAs() {
  const QString path = asker_->SaveFileName(this, StartFolder(), SaveFilter());
  if (path.isEmpty()) return false;
  if (!SaveTo(path)) return false;
  project_.FileName = path.toStdString();
  RememberFolder(path);
  UpdateTitle();
  return true;
}

void MainWindow::RunAutoBackup() {
  if (!ShouldAutoBackup(project_)) return;
  AreaToView();
  const QString before = helpLine_->text();
  helpLine_->setText(AutosaveHint());
  helpLine_->repaint();
  {
    BusyCursor busy;
    TSaveOptions save;
    save.AutoBackup = true;
    // A failed backup keeps the project as it is; the next tick tries again.
    (void)SaveLayout(BackupFileName(project_.FileName), project_, save);
  }
  helpLine_->setText(before);
}

void MainWindow::ShowAutoSaveDialog() {
  AutoSaveDialog dialog(autoSaveTimer_.isActive(), autoSaveTimer_.interval(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  autoSaveTimer_.setInterval(dialog.Minutes() * 60000);
  if (dialog.Enabled()) autoSaveTimer_.start();
  else autoSaveTimer_.stop();
}

}  // namespace corvane
