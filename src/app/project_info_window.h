#pragma once
// "Project info": title, author, company (each up to 100 characters) and a
// comment of up to 1900 characters.
#include <QDialog>

#include "core/project_info.h"

class QLineEdit;
class QPlainTextEdit;

namespace corvane {

class ProjectInfoWindow : public QDialog {
  Q_OBJECT

 public:
  ProjectInfoWindow(const ProjectInfo& info, QWidget* parent = nullptr);
  // The values entered, code page 1252, the comment's lines separated by CR LF.
  ProjectInfo Info() const;
  QLineEdit* TitleField() const { return title_; }
  QPlainTextEdit* CommentField() const { return comment_; }

 private:
  QLineEdit* title_ = nullptr;
  QLineEdit* author_ = nullptr;
  QLineEdit* company_ = nullptr;
  QPlainTextEdit* comment_ = nullptr;
};

// Code page 1252 bytes of a text; characters it lacks become "?".
std::string ToCp1252(const QString& text);
QString FromCp1252Text(const std::string& bytes);

}  // namespace corvane
