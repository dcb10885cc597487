#include "app/cam_commands.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFileInfo>

#include "app/app_folders.h"
#include "app/contour_dialog.h"
#include "app/drill_list_window.h"
#include "app/excellon_dialog.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "cam/contour_milling.h"
#include "cam/excellon_export.h"

namespace corvane {

namespace {

constexpr int kContourHelpTopic = 35500;

}  // namespace

CamCommands::CamCommands(MainWindow& window) : QObject(&window), window_(window) {
  const TMainActions& a = window.Actions();
  const struct {
    QAction* action;
    void (CamCommands::*command)();
  } commands[] = {{a.ExportDrill, &CamCommands::ExportDrill},
                  {a.ListDrillings, &CamCommands::ListDrillings},
                  {a.OutlineMilling, &CamCommands::OutlineMilling}};
  for (const auto& c : commands) {
    if (c.action == nullptr) continue;
    connect(c.action, &QAction::triggered, this, c.command);
    window.SetCommandAvailable(c.action);
    // No command state governs these: each checks for a board itself.
    c.action->setEnabled(true);
  }
}

int CamCommands::Run(QDialog& dialog) { return runner_ ? runner_(dialog) : dialog.exec(); }

std::string CamCommands::FolderOf(const QString& path) {
  // Working directories are kept with a closing slash, as the defaults are.
  return (QFileInfo(path).absolutePath() + QLatin1Char('/')).toStdString();
}

QString CamCommands::StartFolder(const std::string& folder) {
  const QString f = QString::fromStdString(folder);
  return !f.isEmpty() && QDir(f).exists() ? f : QString();
}

void CamCommands::ExportDrill() {
  TProject& project = window_.Project();
  if (!project.HasActiveBoard()) return;
  TSettings& settings = window_.MutableSettings();
  TExcellonOptions options;
  ReadExcellonSettings(settings, options);
  TLochDlg dialog(options, &window_);
  if (Run(dialog) != QDialog::Accepted) return;
  options = dialog.Options();
  WriteExcellonSettings(settings, options);
  const QString path = window_.Asker().SaveFileName(&window_, StartFolder(settings.Ordner.Gerber),
                                                    DialogFilter(tr("Drill files (*.drl)|*.DRL")));
  if (path.isEmpty()) return;
  QString target = path;
  if (QFileInfo(target).suffix().isEmpty()) target += QStringLiteral(".DRL");
  const TCamResult r = WriteExcellonFile(project.ActiveBoard(), options, settings.Optionen.CAM_Nullpunkt,
                                         target.toStdString());
  if (!r.Ok) {
    window_.ShowMessage(QMessageBox::Critical, tr("Can not create file!"), QMessageBox::Ok, tr("Excellon export"));
    return;
  }
  settings.Ordner.Gerber = FolderOf(target);
}

void CamCommands::ListDrillings() {
  TProject& project = window_.Project();
  if (!project.HasActiveBoard()) return;
  TBohrInfoDlg dialog(project.ActiveElements(), window_.View().Unit() == umMil, window_.Language(),
                      [this](const QString& text) { window_.ShowMessage(QMessageBox::Information, text); },
                      &window_);
  Run(dialog);
}

void CamCommands::OutlineMilling() {
  TProject& project = window_.Project();
  if (!project.HasActiveBoard()) return;
  TPlatine& board = project.ActiveBoard();
  if (!HasContourElements(board.Elemente)) {
    window_.ShowMessage(QMessageBox::Warning, tr("No elements for the PCB outline available."), QMessageBox::Ok,
                        tr("PCB outline"));
    return;
  }
  TKonturFraesenOptions options;
  options.Referenz = referenceMarks_;
  TKonturFraesenDlg dialog(options, HasSelectedContourElements(board.Elemente), &window_);
  connect(&dialog, &TKonturFraesenDlg::HelpRequested, this, [] { OpenHelpTopic(kContourHelpTopic); });
  if (Run(dialog) != QDialog::Accepted) return;
  options = dialog.Options();
  referenceMarks_ = options.Referenz;
  TSettings& settings = window_.MutableSettings();
  const QString path = window_.Asker().SaveFileName(&window_, StartFolder(settings.Ordner.PLT),
                                                    DialogFilter(tr("HPGL (*.plt)|*.PLT")));
  if (path.isEmpty()) return;
  QString target = path;
  if (QFileInfo(target).suffix().isEmpty()) target += QStringLiteral(".PLT");
  const TCamResult r = WriteContourFile(board, options, HpglFactor(settings.Optionen.HPGLSonderFaktor),
                                        settings.Optionen.CAM_Nullpunkt, target.toStdString());
  if (!r.Ok) {
    window_.ShowMessage(QMessageBox::Critical, tr("Can not create file!"), QMessageBox::Ok, tr("PCB outline"));
    return;
  }
  settings.Ordner.PLT = FolderOf(target);
}

}  // namespace corvane
