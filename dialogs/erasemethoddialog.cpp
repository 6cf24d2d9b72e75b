// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/erasemethoddialog.h"

#include "dialogs/fittext.h"
#include "dialogs/modal.h"
#include "ui_erasemethoddialog.h"

#include "engine/device/freshformat.h"
#include "engine/job/erasemethods.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSettings>

#include <algorithm>

EraseMethodDialog::EraseMethodDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::EraseMethodDialog)
{
    ui->setupUi(this);
    // The form's size, also where a window manager ignores size hints: its
    // controls sit at fixed places.
    setFixedSize(size());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Select Erase Method"));
    checkTraces =
        new QCheckBox(tr("Also remove thumbnails, recent-files entries and Trash records"), this);
    checkTraces->setObjectName(QStringLiteral("checkTraces"));
    checkTraces->setGeometry(ui->checkVerify->x(), ui->checkVerify->y() + 25, 420, 19);
    checkTraces->hide();
    for (QWidget *label : std::initializer_list<QWidget *>{
             ui->radioBritish, ui->radioDoD, ui->radioGutmann, ui->radioGerman, ui->radioNIST,
             ui->checkVerify, checkTraces})
        velmora::fitRow({label});
    velmora::fitRow({ui->btnStart}, Qt::AlignRight);

    methodGroup = new QButtonGroup(this);
    methodGroup->setExclusive(true);
    for (QRadioButton *radio :
         {ui->radioDoD, ui->radioNIST, ui->radioGutmann, ui->radioBritish, ui->radioGerman})
        methodGroup->addButton(radio);
}

EraseMethodDialog::~EraseMethodDialog()
{
    delete ui;
}

QString EraseMethodDialog::selectedMethod() const
{
    // The labels are only shown; what the engine receives is the display name.
    const std::pair<const QRadioButton *, const QString &> choices[] = {
        {ui->radioDoD, velmora::kMethodDoD},         {ui->radioNIST, velmora::kMethodNist},
        {ui->radioGutmann, velmora::kMethodGutmann}, {ui->radioBritish, velmora::kMethodBritish},
        {ui->radioGerman, velmora::kMethodGerman},
    };
    for (const auto &[radio, name] : choices) {
        if (radio->isChecked())
            return name;
    }
    return QString();
}

void EraseMethodDialog::setVerifySetting(const QString &settingsKey, bool byDefault)
{
    verifyKey = settingsKey;
    ui->checkVerify->setChecked(QSettings().value(settingsKey, byDefault).toBool());
}

bool EraseMethodDialog::verifyAfterLastPass() const
{
    return ui->checkVerify->isChecked();
}

void EraseMethodDialog::setTracesSetting(const QString &settingsKey)
{
    tracesKey = settingsKey;
    checkTraces->setChecked(QSettings().value(settingsKey, true).toBool());
    checkTraces->show();
}

bool EraseMethodDialog::removeTraces() const
{
    return !tracesKey.isEmpty() && checkTraces->isChecked();
}

void EraseMethodDialog::offerKeyDestruction(const QString &container)
{
    radioKeys = new QRadioButton(tr("Destroy the encryption keys (%1)").arg(container), this);
    radioKeys->setObjectName(QStringLiteral("radioKeys"));
    // Under the methods, across the dialog: its words need the room.
    radioKeys->setGeometry(ui->radioGutmann->x(), ui->radioGutmann->y() + 28, 420, 19);
    methodGroup->addButton(radioKeys);
    checkKeysFirst = new QCheckBox(tr("Destroy the encryption keys before overwriting"), this);
    checkKeysFirst->setObjectName(QStringLiteral("checkKeysFirst"));
    checkKeysFirst->setGeometry(ui->checkVerify->x(), ui->checkVerify->y() + 25, 420, 19);
    checkKeysFirst->setChecked(true);
    velmora::fitRow({radioKeys});
    velmora::fitRow({checkKeysFirst});
    // The keys alone leave nothing to overwrite or read back.
    connect(radioKeys, &QRadioButton::toggled, this, [this](bool keys) {
        checkKeysFirst->setEnabled(!keys);
        ui->checkVerify->setEnabled(!keys);
    });
    radioKeys->show();
    checkKeysFirst->show();
}

void EraseMethodDialog::offerOwnErase(const QStringList &actions)
{
    // Below what is there, the dialog taller by the rows it adds.
    const int top = ui->btnStart->y();
    setFixedSize(width(), height() + 60);
    ui->btnStart->move(ui->btnStart->x(), ui->btnStart->y() + 60);
    radioOwn = new QRadioButton(tr("The drive's own erase:"), this);
    radioOwn->setObjectName(QStringLiteral("radioOwn"));
    radioOwn->setGeometry(ui->radioBritish->x(), top, 200, 19);
    velmora::fitRow({radioOwn});
    methodGroup->addButton(radioOwn);
    comboOwn = new QComboBox(this);
    comboOwn->setObjectName(QStringLiteral("comboOwn"));
    comboOwn->addItems(actions);
    comboOwn->setGeometry(radioOwn->geometry().right() + 10, top - 3, 160, 24);
    checkThenOverwrite = new QCheckBox(tr("Then overwrite it once more (1 pass random)"), this);
    checkThenOverwrite->setObjectName(QStringLiteral("checkThenOverwrite"));
    checkThenOverwrite->setGeometry(radioOwn->x() + 20, top + 28, 420, 19);
    velmora::fitRow({checkThenOverwrite});
    // What the drive does by itself is checked by sampling; the read-back
    // is of the pass that follows, where there is one.
    const auto settle = [this] {
        const bool own = radioOwn->isChecked();
        comboOwn->setEnabled(own);
        checkThenOverwrite->setEnabled(own);
        ui->checkVerify->setEnabled(!own || checkThenOverwrite->isChecked());
        if (checkKeysFirst)
            checkKeysFirst->setEnabled(!own && !keysOnly());
    };
    connect(radioOwn, &QRadioButton::toggled, this, settle);
    connect(checkThenOverwrite, &QCheckBox::toggled, this, settle);
    radioOwn->setChecked(true);
    settle();
    radioOwn->show();
    comboOwn->show();
    checkThenOverwrite->show();
}

void EraseMethodDialog::offerFreshFormat()
{
    // Below what is there, the dialog taller by the row it adds.
    const int top = ui->btnStart->y();
    setFixedSize(width(), height() + 34);
    ui->btnStart->move(ui->btnStart->x(), ui->btnStart->y() + 34);
    auto *label = new QLabel(tr("Afterwards:"), this);
    label->setObjectName(QStringLiteral("labelFormat"));
    label->setGeometry(ui->checkVerify->x(), top, 120, 19);
    velmora::fitRow({label});
    comboFormat = new QComboBox(this);
    comboFormat->setObjectName(QStringLiteral("comboFormat"));
    comboFormat->addItem(tr("Leave it blank"), QString());
    using velmora::FreshFileSystem;
    comboFormat->addItem(tr("Make it ready to use: exFAT"),
                         velmora::freshFileSystemKey(FreshFileSystem::Exfat));
    comboFormat->addItem(tr("Make it ready to use: FAT32"),
                         velmora::freshFileSystemKey(FreshFileSystem::Fat32));
    comboFormat->addItem(tr("Make it ready to use: ext4"),
                         velmora::freshFileSystemKey(FreshFileSystem::Ext4));
    comboFormat->setToolTip(tr("Once the wipe has succeeded: a new partition table with one "
                               "partition over the whole drive, and a fresh file system on it."));
    label->setBuddy(comboFormat);
    const int left = label->geometry().right() + 8;
    comboFormat->setGeometry(left, top - 3, std::min(300, width() - 20 - left), 24);
    label->show();
    comboFormat->show();
}

void EraseMethodDialog::offerHiddenArea(quint64 sectors, const QString &whyNot)
{
    const int top = ui->btnStart->y();
    setFixedSize(width(), height() + 26);
    ui->btnStart->move(ui->btnStart->x(), ui->btnStart->y() + 26);
    checkHiddenArea = new QCheckBox(
        tr("Open and overwrite its %n hidden sector(s) too", nullptr, int(sectors)),
        this);
    checkHiddenArea->setObjectName(QStringLiteral("checkHiddenArea"));
    checkHiddenArea->setChecked(false);
    checkHiddenArea->setEnabled(whyNot.isEmpty());
    checkHiddenArea->setToolTip(
        whyNot.isEmpty() ? tr("The drive keeps these sectors from the host (a host protected "
                              "area). They are opened for the wipe until the drive is next "
                              "switched off, and set back after it. Without this they stay as "
                              "they are, and the report says so.")
                         : whyNot);
    checkHiddenArea->setGeometry(ui->checkVerify->x(), top, width() - 20 - ui->checkVerify->x(),
                                 21);
    velmora::fitRow({checkHiddenArea});
    checkHiddenArea->show();
}

bool EraseMethodDialog::liftHiddenArea() const
{
    return checkHiddenArea && checkHiddenArea->isEnabled() && checkHiddenArea->isChecked();
}

QString EraseMethodDialog::freshFormatKey() const
{
    return comboFormat ? comboFormat->currentData().toString() : QString();
}

bool EraseMethodDialog::ownErase() const
{
    return radioOwn && radioOwn->isChecked();
}

QString EraseMethodDialog::ownEraseAction() const
{
    return ownErase() ? comboOwn->currentText() : QString();
}

bool EraseMethodDialog::thenOverwrite() const
{
    return ownErase() && checkThenOverwrite->isChecked();
}

bool EraseMethodDialog::keysOnly() const
{
    return radioKeys && radioKeys->isChecked();
}

bool EraseMethodDialog::destroyKeys() const
{
    return keysOnly() || (!ownErase() && checkKeysFirst && checkKeysFirst->isChecked());
}

void EraseMethodDialog::on_btnStart_clicked()
{
    if (!selectedMethod().isEmpty() || keysOnly() || ownErase()) {
        if (!verifyKey.isEmpty())
            QSettings().setValue(verifyKey, ui->checkVerify->isChecked());
        if (!tracesKey.isEmpty())
            QSettings().setValue(tracesKey, checkTraces->isChecked());
        accept();
        return;
    }
    velmora::Modal::warning(this, tr("Warning"), tr("Please select a method."));
}
