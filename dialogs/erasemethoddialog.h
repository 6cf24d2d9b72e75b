// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

class QButtonGroup;

namespace Ui
{
class EraseMethodDialog;
}

// Lets the user pick one of the five erase methods. Nothing is checked when
// it opens; Start accepts only with a method chosen. The caller reads the
// method's display name with selectedMethod() after exec() returned Accepted.
class EraseMethodDialog : public QDialog
{
    Q_OBJECT

  public:
    explicit EraseMethodDialog(QWidget *parent = nullptr);
    ~EraseMethodDialog() override;

    QString selectedMethod() const;

    // The check box "Verify after the last pass" starts as the setting
    // `settingsKey` was left (`byDefault` the first time); Start stores it.
    void setVerifySetting(const QString &settingsKey, bool byDefault);
    bool verifyAfterLastPass() const;
    // For a file erase: the check box that also removes what the desktop
    // keeps of the erased files, shown and set as `settingsKey` was left (on
    // the first time); Start stores it. Hidden otherwise.
    void setTracesSetting(const QString &settingsKey);
    bool removeTraces() const;
    // For a drive that holds a LUKS container (`container`: "LUKS2"): the
    // method "Destroy the encryption keys" of its own, and a check box that
    // destroys them before one of the five methods overwrites the drive.
    void offerKeyDestruction(const QString &container);
    // The keys alone, no overwrite (selectedMethod() is empty then).
    bool keysOnly() const;
    // The keys, alone or before the overwrite.
    bool destroyKeys() const;
    // For a drive whose controller has an erase of its own: that erase as a
    // choice of its own, chosen when the dialog opens, with `actions` (the
    // fixed words, strongest first) to pick from and a check box that adds
    // one overwrite pass afterwards.
    void offerOwnErase(const QStringList &actions);
    // The drive's own erase is chosen (selectedMethod() is empty then).
    bool ownErase() const;
    QString ownEraseAction() const;
    bool thenOverwrite() const;

    // For a whole drive: what it is left as once wiped, blank (the first
    // choice) or with a new partition table and one file system on it.
    void offerFreshFormat();
    // "exfat", "fat32" or "ext4"; empty to leave the drive blank.
    QString freshFormatKey() const;

    // For a drive that hides `sectors` past the end it shows: a check box
    // to open that area for the wipe and overwrite it too, unchecked, or,
    // where it cannot be opened (`whyNot`), said and not offered.
    void offerHiddenArea(quint64 sectors, const QString &whyNot);
    bool liftHiddenArea() const;

  private slots:
    void on_btnStart_clicked();

  private:
    Ui::EraseMethodDialog *ui;
    QButtonGroup *methodGroup;
    QString verifyKey;
    QString tracesKey;
    class QCheckBox *checkTraces;
    class QRadioButton *radioKeys = nullptr;
    class QCheckBox *checkKeysFirst = nullptr;
    class QRadioButton *radioOwn = nullptr;
    class QComboBox *comboOwn = nullptr;
    class QCheckBox *checkThenOverwrite = nullptr;
    class QComboBox *comboFormat = nullptr;
    class QCheckBox *checkHiddenArea = nullptr;
};
