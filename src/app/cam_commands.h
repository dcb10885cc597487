#pragma once
// The manufacturing commands of the main window: Excellon drill data, the
// drill list and contour milling.

#include <QObject>
#include <QString>
#include <functional>

#include "cam/hpgl_file.h"

class QDialog;

namespace corvane {

class MainWindow;

class CamCommands : public QObject {
  Q_OBJECT

 public:
  explicit CamCommands(MainWindow& window);

  // Runs a dialog modally and returns its result (tests replace it).
  using TDialogRunner = std::function<int(QDialog&)>;
  void SetDialogRunner(TDialogRunner runner) { runner_ = std::move(runner); }

  // "&Drill data (Excellon)...".
  void ExportDrill();
  // "List drillings...".
  void ListDrillings();
  // "PCB outline milling (HPGL, *.plt)".
  void OutlineMilling();

  // The reference buttons shared by the isolation and contour dialogs.
  TReferenceMarks& ReferenceMarks() { return referenceMarks_; }

 private:
  int Run(QDialog& dialog);
  // The folder of a written file becomes the working directory.
  static std::string FolderOf(const QString& path);
  static QString StartFolder(const std::string& folder);

  MainWindow& window_;
  TDialogRunner runner_;
  TReferenceMarks referenceMarks_;
};

}  // namespace corvane
