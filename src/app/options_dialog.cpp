#include "app/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>

#include "messages/messages.h"

namespace corvane {
namespace {

// Scheme entries of the ten colour fields; entries 9 and 11 have no field.
constexpr std::array<int, 10> kFieldEntries{fsBackground, fsGrid, fsC1, fsS1, fsC2, fsS2, fsI1, fsI2, fsO, fsConnections};

constexpr int kFolderCount = 5;
constexpr int kTreeWidth = 170;

QLabel* Note(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(false);
  return label;
}

}  // namespace

int SchemeIndexOfColourField(int field) {
  return field >= 0 && field < static_cast<int>(kFieldEntries.size()) ? kFieldEntries[field] : -1;
}

OptionsDialog::OptionsDialog(TColourSchemes& schemes, TDialogAsker& asker, QString programFolder, QWidget* parent)
    : QDialog(parent), schemes_(schemes), asker_(asker), programFolder_(std::move(programFolder)) {
  setWindowTitle(tr("General settings"));
  tree_ = new QTreeWidget(this);
  tree_->setHeaderHidden(true);
  tree_->setRootIsDecorated(false);
  header_ = new QLabel(this);
  QFont headerFont = header_->font();
  headerFont.setBold(true);
  header_->setFont(headerFont);
  pages_ = new QStackedWidget(this);
  const QString titles[kOptionsPageCount] = {tr("General settings"), tr("Colors"),     tr("Working-Directories"),
                                             tr("Macro-Directory"),  tr("Undo-Depth"), tr("Imax"),
                                             tr("Hotkeys")};
  QWidget* built[kOptionsPageCount] = {BuildGeneralPage(), BuildColoursPage(), BuildDirectoriesPage(), BuildMacroPage(),
                                       BuildUndoPage(),    BuildImaxPage(),    BuildHotkeysPage()};
  for (int i = 0; i < kOptionsPageCount; ++i) {
    auto* node = new QTreeWidgetItem(tree_, QStringList{titles[i]});
    node->setData(0, Qt::UserRole, i);
    pages_->addWidget(built[i]);
  }
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) ShowPage(static_cast<TOptionsPage>(item->data(0, Qt::UserRole).toInt()));
  });

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    // The working colours go to the file of the selected user scheme.
    const QString problem = schemes_.Save(scheme_, working_);
    if (!problem.isEmpty()) asker_.Inform(this, CaptionCorvane(), problem);
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* right = new QVBoxLayout;
  right->addWidget(header_);
  right->addWidget(pages_, 1);
  auto* body = new QHBoxLayout;
  body->addWidget(tree_);
  body->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);
  tree_->setFixedWidth(kTreeWidth);
  ShowPage(opGeneral);
}

QWidget* OptionsDialog::BuildGeneralPage() {
  auto* page = new QWidget(this);
  auto* drills = new QGroupBox(tr("Drillings:"), page);
  drillBackground_ = new QRadioButton(tr("Background color"), drills);
  drillWhite_ = new QRadioButton(tr("White"), drills);
  auto* drillLayout = new QVBoxLayout(drills);
  drillLayout->addWidget(drillBackground_);
  drillLayout->addWidget(drillWhite_);
  auto* unit = new QGroupBox(tr("Base unit:"), page);
  unitMm_ = new QRadioButton(QStringLiteral("mm"), unit);
  unitMil_ = new QRadioButton(QStringLiteral("mil"), unit);
  auto* unitLayout = new QVBoxLayout(unit);
  unitLayout->addWidget(unitMm_);
  unitLayout->addWidget(unitMil_);
  auto* groups = new QHBoxLayout;
  groups->addWidget(drills);
  groups->addWidget(unit);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(groups);
  auto check = [&](const QString& text) {
    auto* box = new QCheckBox(text, page);
    layout->addWidget(box);
    return box;
  };
  virtualNodes_ = check(tr("Virtual nodes an tracks"));
  reticule_ = check(tr("Reticule"));
  autoMirror_ = check(tr("Mirror macros and text on the bottom board side automatic"));
  showOverview_ = check(tr("Show Board-Zoom"));
  showHints_ = check(tr("Show hints"));
  limitTextHeight_ = check(tr("Limit text height (track width min. 0.15 mm)"));
  ctrlToCapture_ = check(tr("CTRL-Key necessary to capture values during selections"));
  hpglFactor_ = check(tr("HPGL scaling with 0,3937 instead of 0.4"));
  darkenPlane_ = check(tr("Darken ground-plane"));
  camOrigin_ = check(tr("Use origin in CAM-export (Gerber/Excellon/HPGL)"));
  layout->addStretch();
  return page;
}

QWidget* OptionsDialog::BuildColoursPage() {
  auto* page = new QWidget(this);
  schemeBox_ = new QComboBox(page);
  schemeBox_->addItems({tr("Standard"), tr("User 1"), tr("User 2"), tr("User 3")});
  connect(schemeBox_, &QComboBox::activated, this, [this](int index) { ChooseScheme(index); });
  const QString names[] = {tr("Background"),          tr("Grid"),
                           tr("C1 (Copper-Top)"),     tr("S1 (Silkscreen-Top)"),
                           tr("C2 (Copper-Bottom)"),  tr("S2 (Silkscreen-Bottom)"),
                           tr("I1 (Copper-Inner 1)"), tr("I2 (Copper-Inner 2)"),
                           tr("O  (Outline)"),        tr("Connections")};
  auto* fields = new QGridLayout;
  for (int i = 0; i < static_cast<int>(kFieldEntries.size()); ++i) {
    auto* label = new QLabel(names[i], page);
    auto* field = new QPushButton(page);
    field->setFixedSize(48, 20);
    field->setAutoDefault(false);
    connect(field, &QPushButton::clicked, this, [this, i] { PickFieldColour(i); });
    fields->addWidget(field, i, 0);
    fields->addWidget(label, i, 1);
    colourFields_.push_back(field);
    colourLabels_.push_back(label);
  }
  resetScheme_ = new QPushButton(tr("Reset scheme to default"), page);
  resetScheme_->setAutoDefault(false);
  connect(resetScheme_, &QPushButton::clicked, this, [this] { ResetScheme(); });
  auto* layout = new QVBoxLayout(page);
  auto* top = new QFormLayout;
  top->addRow(tr("Color scheme:"), schemeBox_);
  layout->addLayout(top);
  layout->addLayout(fields);
  layout->addWidget(resetScheme_);
  layout->addStretch();
  return page;
}

QWidget* OptionsDialog::BuildDirectoriesPage() {
  auto* page = new QWidget(this);
  const QString labels[kFolderCount] = {tr("Layout files:"), tr("Gerber export:"), tr("Bitmap export:"),
                                        tr("Scanned copies:"), tr("HPGL export:")};
  auto* grid = new QGridLayout;
  for (int i = 0; i < kFolderCount; ++i) {
    auto* edit = new QLineEdit(page);
    auto* pick = new QPushButton(QStringLiteral("..."), page);
    pick->setAutoDefault(false);
    pick->setFixedWidth(28);
    connect(pick, &QPushButton::clicked, this, [this, i] { PickFolder(i); });
    grid->addWidget(new QLabel(labels[i], page), i, 0);
    grid->addWidget(edit, i, 1);
    grid->addWidget(pick, i, 2);
    folders_.push_back(edit);
  }
  folderLabels_.assign(std::begin(labels), std::end(labels));
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(grid);
  layout->addWidget(Note(tr("Leave the fields empty, if you want Corvane to remember") + QLatin1Char('\n') +
                             tr("the last used directories."),
                         page));
  layout->addStretch();
  return page;
}

QWidget* OptionsDialog::BuildMacroPage() {
  auto* page = new QWidget(this);
  macroRoot_ = new QLabel(page);
  macroRoot_->setFrameShape(QFrame::StyledPanel);
  auto* change = new QPushButton(tr("Change..."), page);
  change->setAutoDefault(false);
  connect(change, &QPushButton::clicked, this, [this] {
    if (const std::optional<QString> folder =
            asker_.PickFolder(this, tr("Root-Directory for macros:"), macroRoot_->text()))
      macroRoot_->setText(*folder);
  });
  auto* reset = new QPushButton(tr("Reset"), page);
  reset->setAutoDefault(false);
  connect(reset, &QPushButton::clicked, this, [this] {
    macroRoot_->setText(QDir(programFolder_).filePath(QString::fromLatin1(kMacroFolderName)));
  });
  auto* layout = new QGridLayout(page);
  layout->addWidget(new QLabel(tr("Root-Directory for macros:"), page), 0, 0, 1, 2);
  layout->addWidget(macroRoot_, 1, 0, 1, 2);
  layout->addWidget(change, 2, 0);
  layout->addWidget(Note(tr("Only change this setting, if you have moved") + QLatin1Char('\n') +
                             tr("your Macro-Directory to another drive or directory."),
                         page),
                    2, 1);
  layout->addWidget(reset, 3, 0);
  layout->addWidget(Note(tr("This will reset the Macro-Directory to the default setting."), page), 3, 1);
  layout->setRowStretch(4, 1);
  return page;
}

QWidget* OptionsDialog::BuildUndoPage() {
  auto* page = new QWidget(this);
  undo_ = new QSpinBox(page);
  undo_->setRange(1, 50);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(undo_);
  layout->addWidget(Note(tr("Here you can define the maximum number of UNDO operations.") + QLatin1Char('\n') +
                             tr("The maximum is 50 operations") + QLatin1Char('\n') +
                             tr("If your system runs very slowly while working with big layouts,") +
                             QLatin1Char('\n') + tr("you can decrease this value down to 1."),
                         page));
  layout->addStretch();
  return page;
}

QWidget* OptionsDialog::BuildImaxPage() {
  auto* page = new QWidget(this);
  imaxCu_ = new QSpinBox(page);
  imaxCu_->setRange(1, 299);
  imaxDt_ = new QSpinBox(page);
  imaxDt_->setRange(1, 299);
  auto* form = new QFormLayout;
  form->addRow(tr("Copper-Thickness in µm:"), imaxCu_);
  form->addRow(tr("Temperature enhance in °C:"), imaxDt_);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addWidget(Note(tr("The calculation of the max. current-carrying capacity for a track,") + QLatin1Char('\n') +
                             tr("is only a coarse approximate value.") + QLatin1Char('\n') +
                             tr("The real value is depending on many other factors and the environment."),
                         page));
  layout->addStretch();
  return page;
}

QWidget* OptionsDialog::BuildHotkeysPage() {
  auto* page = new QWidget(this);
  hotkeyList_ = new QTreeWidget(page);
  hotkeyList_->setColumnCount(2);
  hotkeyList_->setHeaderLabels({tr("Mode"), tr("Key")});
  hotkeyList_->setRootIsDecorated(false);
  for (int row = 0; row < kHotkeyRowCount; ++row) new QTreeWidgetItem(hotkeyList_, QStringList{HotkeyModeCaption(row), QString()});
  connect(hotkeyList_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) SelectHotkeyRow(hotkeyList_->indexOfTopLevelItem(item));
  });
  auto* change = new QGroupBox(tr("Change hotkey"), page);
  hotkeyMode_ = new QLabel(change);
  hotkeyLetter_ = new QComboBox(change);
  hotkeyLetter_->addItem(QString());
  for (char c = 'A'; c <= 'Z'; ++c) hotkeyLetter_->addItem(QString(QChar(c)));
  connect(hotkeyLetter_, &QComboBox::activated, this, [this](int index) {
    if (index > 0) ChooseHotkey(static_cast<char>('A' + index - 1));
  });
  auto* changeLayout = new QHBoxLayout(change);
  changeLayout->addWidget(hotkeyMode_, 1);
  changeLayout->addWidget(hotkeyLetter_);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(hotkeyList_, 1);
  layout->addWidget(change);
  return page;
}

QString OptionsDialog::HotkeyModeCaption(int row) {
  const QString captions[kHotkeyRowCount] = {
      tr("Edit"),         tr("Zoom"), tr("Track"),       tr("Pad"),     tr("SMD-Pad"),
      tr("Circle"),       tr("Zone"), tr("Special form"), tr("Text"),   tr("Connections"),
      tr("Autoroute"),    tr("Test"), tr("Measure"),     tr("Photoview"), tr("Solder mask")};
  return row >= 0 && row < kHotkeyRowCount ? captions[row] : QString();
}

void OptionsDialog::Load(const TOptionsState& state, TOptionsPage page) {
  loaded_ = state;
  const TOptionSettings& o = state.Optionen;
  (o.BohrungenWeiss ? drillWhite_ : drillBackground_)->setChecked(true);
  (state.Unit == umMil ? unitMil_ : unitMm_)->setChecked(true);
  virtualNodes_->setChecked(o.VirtuelleKnoten);
  reticule_->setChecked(o.Fadenkreuz);
  autoMirror_->setChecked(o.AutoSpiegeln);
  showOverview_->setChecked(state.ShowOverview);
  showHints_->setChecked(state.ShowHints);
  limitTextHeight_->setChecked(o.SchrifthoeheBegrenzen);
  ctrlToCapture_->setChecked(o.StrgZumFangen);
  hpglFactor_->setChecked(o.HPGLSonderFaktor);
  darkenPlane_->setChecked(o.AutoMasseDunkel);
  camOrigin_->setChecked(o.CAM_Nullpunkt);
  undo_->setValue(o.UndoDepth());
  imaxCu_->setValue(o.Imax_CU);
  imaxDt_->setValue(o.Imax_DT);
  const std::string* folders[kFolderCount] = {&state.Ordner.Layout, &state.Ordner.Gerber, &state.Ordner.Bitmap,
                                              &state.Ordner.Vorlage, &state.Ordner.PLT};
  for (int i = 0; i < kFolderCount; ++i) folders_[i]->setText(QString::fromStdString(*folders[i]));
  macroRoot_->setText(QString::fromStdString(state.Ordner.Makro));

  scheme_ = (o.Farbschema >= 0 && o.Farbschema <= kUserSchemeCount) ? o.Farbschema : 0;
  schemeBox_->setCurrentIndex(scheme_);
  working_ = state.Colours;
  schemeChanged_ = false;
  coloursChanged_ = false;
  ShowColours();
  UpdateColourEnabling();

  hotkeys_ = THotkeys::Parse(o.Hotkeys);
  FillHotkeyList();
  SelectHotkeyRow(0);
  ShowPage(page);
}

TOptionsResult OptionsDialog::Result() const {
  TOptionsResult r;
  r.State = loaded_;
  TOptionSettings& o = r.State.Optionen;
  r.State.Unit = unitMil_->isChecked() ? umMil : umMm;
  o.BohrungenWeiss = drillWhite_->isChecked();
  o.VirtuelleKnoten = virtualNodes_->isChecked();
  o.Fadenkreuz = reticule_->isChecked();
  o.AutoSpiegeln = autoMirror_->isChecked();
  o.SchrifthoeheBegrenzen = limitTextHeight_->isChecked();
  o.StrgZumFangen = ctrlToCapture_->isChecked();
  o.HPGLSonderFaktor = hpglFactor_->isChecked();
  o.AutoMasseDunkel = darkenPlane_->isChecked();
  o.CAM_Nullpunkt = camOrigin_->isChecked();
  r.State.ShowOverview = showOverview_->isChecked();
  r.State.ShowHints = showHints_->isChecked();
  o.SetUndoDepth(undo_->value());
  std::string* folders[kFolderCount] = {&r.State.Ordner.Layout, &r.State.Ordner.Gerber, &r.State.Ordner.Bitmap,
                                        &r.State.Ordner.Vorlage, &r.State.Ordner.PLT};
  for (int i = 0; i < kFolderCount; ++i) *folders[i] = folders_[i]->text().toStdString();
  r.State.Ordner.Makro = macroRoot_->text().toStdString();
  r.MacroRootChanged = r.State.Ordner.Makro != loaded_.Ordner.Makro;
  r.State.Colours = working_;
  o.Farbschema = scheme_;
  r.ColoursChanged = coloursChanged_ || working_ != loaded_.Colours;
  o.Imax_CU = imaxCu_->value();
  o.Imax_DT = imaxDt_->value();
  o.Hotkeys = hotkeys_.Format();
  return r;
}

TOptionsPage OptionsDialog::Page() const { return static_cast<TOptionsPage>(pages_->currentIndex()); }

void OptionsDialog::ShowPage(TOptionsPage page) {
  if (page < 0 || page >= kOptionsPageCount) page = opGeneral;
  pages_->setCurrentIndex(page);
  QTreeWidgetItem* node = tree_->topLevelItem(page);
  if (node && tree_->currentItem() != node) tree_->setCurrentItem(node);
  if (node) header_->setText(node->text(0));
}

void OptionsDialog::ShowColours() {
  for (int i = 0; i < static_cast<int>(colourFields_.size()); ++i) {
    const QColor c = SchemeColour(working_.Farben[kFieldEntries[i]]);
    colourFields_[i]->setStyleSheet(QStringLiteral("background-color: %1;").arg(c.name()));
  }
}

void OptionsDialog::UpdateColourEnabling() {
  const bool user = scheme_ >= 1;
  for (QPushButton* field : colourFields_) field->setEnabled(user);
  for (QLabel* label : colourLabels_) label->setEnabled(user);
  resetScheme_->setEnabled(user);
}

void OptionsDialog::PickFieldColour(int field) {
  const int entry = SchemeIndexOfColourField(field);
  if (entry < 0 || scheme_ < 1) return;
  const QString file = QDir(programFolder_).filePath(QString::fromLatin1(kCustomColoursFile));
  std::vector<QColor> custom = LoadCustomColours(file);
  const std::optional<QColor> chosen = asker_.PickColour(this, SchemeColour(working_.Farben[entry]), custom);
  SaveCustomColours(file, custom);
  if (!chosen) return;
  working_.Farben[entry] = SchemeEntry(*chosen);
  schemeChanged_ = true;
  coloursChanged_ = true;
  ShowColours();
  emit ColoursPreview(working_);
}

void OptionsDialog::ResetScheme() {
  if (scheme_ < 1) return;
  working_ = StandardColourScheme();
  schemeChanged_ = true;
  coloursChanged_ = true;
  ShowColours();
}

void OptionsDialog::ChooseScheme(int scheme) {
  if (scheme < 0 || scheme > kUserSchemeCount) return;
  if (schemeChanged_ &&
      asker_.AskYesNo(this, CaptionCorvane(), tr("You have changed the colors.") + QLatin1Char('\r') + tr("Save changes?"))) {
    const QString problem = schemes_.Save(scheme_, working_);
    if (!problem.isEmpty()) asker_.Inform(this, CaptionCorvane(), problem);
  }
  const QString problem = schemes_.Load();
  if (!problem.isEmpty()) asker_.Inform(this, CaptionCorvane(), problem);
  scheme_ = scheme;
  schemeBox_->setCurrentIndex(scheme);
  working_ = schemes_.Scheme(scheme);
  schemeChanged_ = false;
  coloursChanged_ = true;
  ShowColours();
  UpdateColourEnabling();
  emit ColoursPreview(working_);
}

void OptionsDialog::FillHotkeyList() {
  for (int row = 0; row < kHotkeyRowCount; ++row)
    hotkeyList_->topLevelItem(row)->setText(1, QString::fromStdString(hotkeys_.KeyCaption(row)));
}

void OptionsDialog::SelectHotkeyRow(int row) {
  if (row < 0 || row >= kHotkeyRowCount) return;
  hotkeyRow_ = row;
  if (hotkeyList_->currentItem() != hotkeyList_->topLevelItem(row))
    hotkeyList_->setCurrentItem(hotkeyList_->topLevelItem(row));
  hotkeyMode_->setText(hotkeyList_->topLevelItem(row)->text(0));
  const char key = hotkeys_.Key(row);
  hotkeyLetter_->setCurrentIndex(key ? key - 'A' + 1 : 0);
  hotkeyLetter_->setEnabled(row != 0);
}

void OptionsDialog::ChooseHotkey(char letter) {
  const THotkeyChoice choice = hotkeys_.Assign(hotkeyRow_, letter);
  if (choice.ConflictRow >= 0) {
    const QChar shown = QChar(letter).toUpper();
    asker_.Inform(this, CaptionCorvane(), tr("The hotkey \"%1\" is already in use.").arg(shown));
  }
  FillHotkeyList();
  SelectHotkeyRow(hotkeyRow_);
}

void OptionsDialog::PickFolder(int index) {
  if (index < 0 || index >= kFolderCount) return;
  const QString title = tr("Please select a default-directory for ") + folderLabels_[index];
  if (const std::optional<QString> folder = asker_.PickFolder(this, title, folders_[index]->text()))
    folders_[index]->setText(*folder);
}

}  // namespace corvane
