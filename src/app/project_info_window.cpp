#include "app/project_info_window.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <unordered_map>

#include "app/app_folders.h"
#include "io/cp1252.h"

namespace corvane {

namespace {
constexpr int kFieldLength = 100;
constexpr int kCommentLength = 1900;

const std::unordered_map<char32_t, unsigned char>& UnicodeToCp1252() {
  static const std::unordered_map<char32_t, unsigned char> table = [] {
    std::unordered_map<char32_t, unsigned char> t;
    for (int b = 0; b < 256; ++b) t.emplace(Cp1252ToUnicode(static_cast<unsigned char>(b)), static_cast<unsigned char>(b));
    return t;
  }();
  return table;
}

// Keeps a plain text edit at most `limit` characters long.
void LimitLength(QPlainTextEdit* edit, int limit) {
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, limit] {
    const QString text = edit->toPlainText();
    if (text.size() <= limit) return;
    edit->setPlainText(text.left(limit));
    edit->moveCursor(QTextCursor::End);
  });
}
}  // namespace

std::string ToCp1252(const QString& text) {
  std::string out;
  for (const char32_t c : text.toUcs4()) {
    const auto it = UnicodeToCp1252().find(c);
    out += it == UnicodeToCp1252().end() ? '?' : static_cast<char>(it->second);
  }
  return out;
}

QString FromCp1252Text(const std::string& bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }

ProjectInfoWindow::ProjectInfoWindow(const ProjectInfo& info, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Project info"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, true);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  title_ = new QLineEdit(FromCp1252Text(info.Title), this);
  author_ = new QLineEdit(FromCp1252Text(info.Author), this);
  company_ = new QLineEdit(FromCp1252Text(info.Company), this);
  for (QLineEdit* field : {title_, author_, company_}) field->setMaxLength(kFieldLength);
  comment_ = new QPlainTextEdit(this);
  QString comment = FromCp1252Text(info.Comment);
  comment.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  comment_->setPlainText(comment.left(kCommentLength));
  comment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  LimitLength(comment_, kCommentLength);
  form->addRow(tr("Title:"), title_);
  form->addRow(tr("Author:"), author_);
  form->addRow(tr("Company:"), company_);
  form->addRow(tr("Comment:"), comment_);
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(420, 360);
}

ProjectInfo ProjectInfoWindow::Info() const {
  ProjectInfo info;
  info.Title = ToCp1252(title_->text());
  info.Author = ToCp1252(author_->text());
  info.Company = ToCp1252(company_->text());
  QString comment = comment_->toPlainText().left(kCommentLength);
  comment.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  info.Comment = ToCp1252(comment);
  return info;
}

}  // namespace corvane
