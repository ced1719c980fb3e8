#include "logging/frmTD_Set_DSave.h"

#include "core/FileWrite.h"
#include "core/TextLines.h"
#include "widgets/WholePaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

QLineEdit* digitsEdit(int maxLength, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->setMaxLength(maxLength);
    return e;
}

QString clampedText(const QString& text, int lo, int hi) {
    return QString::number(std::clamp(SettingsLineValue(text), lo, hi));
}

} // namespace

frmTD_Set_DSave::frmTD_Set_DSave(const QString& iniPath, QWidget* parent)
    : QDialog(parent)
    , m_iniPath(iniPath)
    , m_homeFolder(QFileInfo(QFileInfo(iniPath).absolutePath()).absolutePath()) {
    setObjectName(QStringLiteral("frmTD_Set_DSave"));
    setWindowTitle(tr("Data Save Setup"));

    cmbSave = new QComboBox(this);
    // The file keeps the words of the code; the boxes show them in the program's language.
    for (const char* word :
         {QT_TRANSLATE_NOOP("SaveSettings", "Yes"), QT_TRANSLATE_NOOP("SaveSettings", "No")})
        cmbSave->addItem(QCoreApplication::translate("SaveSettings", word),
                         QString::fromLatin1(word));
    txtSaveInterval = digitsEdit(3, this);
    cmbUnit = new QComboBox(this);
    for (const char* word :
         {QT_TRANSLATE_NOOP("SaveSettings", "sec"), QT_TRANSLATE_NOOP("SaveSettings", "min")})
        cmbUnit->addItem(QCoreApplication::translate("SaveSettings", word),
                         QString::fromLatin1(word));
    lblFolder = new QLabel(this);
    lblFolder->setFrameShape(QFrame::StyledPanel);
    lblFolder->setMinimumWidth(320);
    lblFolder->setCursor(Qt::PointingHandCursor);
    lblFolder->setToolTip(tr("Click to choose the folder of the data files"));
    lblFolder->installEventFilter(this);
    btnFolder = new QPushButton(tr("Folder..."), this);
    txtFName = new QLineEdit(this);
    // The name becomes part of a file name: no separators or characters files cannot hold.
    txtFName->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^\\\\/:*?\"<>|]*")), txtFName));
    chbDSaveF = new QCheckBox(tr("One file per day"), this);
    txtDayHH = digitsEdit(2, this);
    txtDayMM = digitsEdit(2, this);
    txtKeepDays = digitsEdit(5, this);
    txtKeepDays->setPlaceholderText(tr("all"));
    txtKeepFree = new QLineEdit(this);
    txtKeepFree->setPlaceholderText(tr("e.g. 10% or 2G"));
    txtKeepFree->setToolTip(tr("The oldest daily files are deleted while the disk has less free "
                               "space than this: a size (500M, 2G) or a share of the disk (10%). "
                               "Files whose records the broker has not acknowledged stay."));
    lblMsg = new QLabel(this);
    lblError = new QLabel(this);
    lblError->setWordWrap(true);
    lblError->setStyleSheet(QStringLiteral("QLabel { color: #b3261e; }"));
    lblError->hide();
    btnOK = new QPushButton(tr("OK"), this);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnOK->setDefault(true);

    const QList<std::pair<QObject*, const char*>> names{
        {cmbSave, "cmbSave"},         {txtSaveInterval, "txtSaveInterval"},
        {cmbUnit, "cmbUnit"},         {lblFolder, "lblFolder"},
        {btnFolder, "btnFolder"},     {txtFName, "txtFName"},
        {chbDSaveF, "chbDSaveF"},     {txtDayHH, "txtDayHH"},
        {txtDayMM, "txtDayMM"},       {txtKeepDays, "txtKeepDays"},
        {txtKeepFree, "txtKeepFree"}, {lblMsg, "lblMsg"},
        {lblError, "lblError"},       {btnOK, "btnOK"},
        {btnCancel, "btnCancel"}};
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));

    auto* interval = new QHBoxLayout;
    interval->addWidget(txtSaveInterval);
    interval->addWidget(cmbUnit);
    auto* folder = new QHBoxLayout;
    folder->addWidget(lblFolder, 1);
    folder->addWidget(btnFolder);
    auto* change = new QHBoxLayout;
    change->addWidget(txtDayHH);
    change->addWidget(new QLabel(QStringLiteral(":"), this));
    change->addWidget(txtDayMM);
    change->addStretch();
    auto* form = new QFormLayout;
    form->addRow(tr("Save"), cmbSave);
    form->addRow(tr("Interval"), interval);
    form->addRow(tr("Folder"), folder);
    form->addRow(tr("File name"), txtFName);
    form->addRow(QString(), chbDSaveF);
    form->addRow(tr("New file at (HH:MM)"), change);
    form->addRow(QString(), lblMsg);
    auto* keep = new QHBoxLayout;
    keep->addWidget(txtKeepDays);
    keep->addWidget(new QLabel(tr("days; free space"), this));
    keep->addWidget(txtKeepFree);
    keep->addStretch();
    form->addRow(tr("Keep"), keep);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(btnOK, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel, QDialogButtonBox::RejectRole);
    auto* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addWidget(lblError);
    top->addWidget(buttons);

    // Not the button box's accepted(): OK may refuse and keep the dialog open.
    connect(btnOK, &QPushButton::clicked, this, &frmTD_Set_DSave::btnOK_Click);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnFolder, &QPushButton::clicked, this, &frmTD_Set_DSave::chooseFolder);
    connect(txtSaveInterval, &QLineEdit::textChanged, this, &frmTD_Set_DSave::clampInterval);
    connect(chbDSaveF, &QCheckBox::toggled, this, &frmTD_Set_DSave::showExample);

    loadFromFile();
    showExample();
    const QString chosen = lblFolder->text();
    if (!chosen.isEmpty() && !QFileInfo(chosen).isDir())
        QDir().mkpath(chosen);
}

void frmTD_Set_DSave::loadFromFile() {
    const QStringList lines = ReadTextLines(m_iniPath);
    // Line by line, as far as the file goes.
    for (int i = 0; i < std::min<int>(int(lines.size()), 10); ++i) {
        const QString& line = lines[i];
        switch (i) {
        case 0:
            cmbSave->setCurrentIndex(line == QStringLiteral("Yes") ? 0 : 1);
            break;
        case 1:
            txtSaveInterval->setText(line.trimmed());
            break;
        case 2:
            cmbUnit->setCurrentIndex(line == QStringLiteral("min") ? 1 : 0);
            break;
        case 3:
            lblFolder->setText(QDir::fromNativeSeparators(line));
            break;
        case 4:
            txtFName->setText(line);
            break;
        case 5:
            chbDSaveF->setChecked(SettingsLineValue(line) == 1);
            break;
        case 6:
            txtDayHH->setText(line.trimmed());
            break;
        case 7:
            txtDayMM->setText(line.trimmed());
            break;
        case 8:
            if (const int days = SettingsLineValue(line); days > 0)
                txtKeepDays->setText(QString::number(days));
            break;
        case 9:
            txtKeepFree->setText(line.trimmed());
            break;
        }
    }
}

void frmTD_Set_DSave::clampInterval() {
    const QString text = txtSaveInterval->text();
    if (text.isEmpty()) // still being typed; OK treats it as 1
        return;
    const QString clamped = clampedText(text, 1, 60);
    if (clamped != text)
        txtSaveInterval->setText(clamped);
}

void frmTD_Set_DSave::showExample() {
    if (chbDSaveF->isChecked())
        lblMsg->setText(tr("-. DEVICE = 1 :  _01_YYYYMMDD.TDD\n"
                           "-. DEVICE = 99 :  _99_YYYYMMDD."));
    else
        lblMsg->setText(tr("-. DEVICE = 1 :  _01.TDD\n-. DEVICE = 99 :  _99.TDD"));
}

bool frmTD_Set_DSave::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblFolder && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        chooseFolder();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmTD_Set_DSave::chooseFolder() {
    const QString current = lblFolder->text();
    const QString start = QFileInfo(current).isDir() ? current : m_homeFolder;
    const QString chosen =
        QFileDialog::getExistingDirectory(this, tr("Folder of the data files"), start);
    if (!chosen.isEmpty())
        lblFolder->setText(QDir::cleanPath(chosen));
}

bool frmTD_Set_DSave::refuse(const QString& message) {
    QMessageBox::warning(this, windowTitle(), KeepPathsWhole(message));
    return false;
}

void frmTD_Set_DSave::showError(const QString& message) {
    lblError->setText(KeepPathsWhole(message));
    lblError->show();
}

SaveSettings frmTD_Set_DSave::settings() const {
    SaveSettings s;
    s.gDSaveOn = cmbSave->currentData().toString();
    s.gDSaveInterval = std::clamp(SettingsLineValue(txtSaveInterval->text()), 1, 60);
    s.gDSaveUnit = cmbUnit->currentData().toString();
    s.gDSaveFolder = lblFolder->text();
    s.gDSaveName = txtFName->text();
    s.gDSaveDaily = chbDSaveF->isChecked();
    s.gDSaveDayHour = std::clamp(SettingsLineValue(txtDayHH->text()), 0, 23);
    s.gDSaveDayMinute = std::clamp(SettingsLineValue(txtDayMM->text()), 0, 59);
    s.keepDays = std::max(0, SettingsLineValue(txtKeepDays->text()));
    s.keepFree = FreeSpaceLimit::parse(txtKeepFree->text()).value_or(FreeSpaceLimit());
    return s;
}

void frmTD_Set_DSave::btnOK_Click() {
    if (lblFolder->text().isEmpty()) {
        refuse(tr("Select Folder."));
        return;
    }
    if (txtFName->text().isEmpty()) {
        refuse(tr("Input Filename."));
        return;
    }
    if (!FreeSpaceLimit::parse(txtKeepFree->text())) {
        txtKeepFree->setFocus();
        refuse(tr("Free space to keep: a size such as 500M or 2G, or a share of the disk below "
                  "100% such as 10%."));
        return;
    }
    const SaveSettings s = settings();
    if (!QDir().mkpath(s.gDSaveFolder)) {
        showError(tr("Not saved: the folder %1 cannot be created.")
                      .arg(QDir::toNativeSeparators(s.gDSaveFolder)));
        return;
    }
    QDir().mkpath(QFileInfo(m_iniPath).absolutePath());
    QString error;
    if (!WriteSaveSettings(m_iniPath, s, &error)) {
        showError(NotSavedMessage(m_iniPath, error));
        return;
    }
    accept();
}

bool EditSaveSettings(SaveSettings& settings, const QString& iniPath, QWidget* parent) {
    frmTD_Set_DSave dialog(iniPath, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings = dialog.settings();
    return true;
}
