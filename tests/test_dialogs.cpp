// SPDX-License-Identifier: GPL-3.0-or-later

// The erase method dialog and the typed confirmation.

#include "modalhelper.h"

#include "dialogs/confirmerasedialog.h"
#include "dialogs/erasemethoddialog.h"
#include "engine/job/erasemethods.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class DialogsTest : public QObject
{
    Q_OBJECT

  private slots:
    void init() { modal::failOnUnanswered(); }
    void cleanup() { modal::closeLeftovers(); }

    void startWithNothingCheckedWarnsAndStaysOpen();
    void eachRadioSelectsItsDisplayName_data();
    void eachRadioSelectsItsDisplayName();
    void verifyChoiceIsRemembered();

    void confirmation_data();
    void confirmation();
};

void DialogsTest::startWithNothingCheckedWarnsAndStaysOpen()
{
    EraseMethodDialog dialog;
    // Fixed in size, so a window manager cannot shrink it over its buttons.
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(ConfirmEraseDialog().minimumSize(), ConfirmEraseDialog().maximumSize());
    dialog.show();
    auto warning = modal::answerBox();
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnStart"), Qt::LeftButton);
    QVERIFY(warning->answered);
    QCOMPARE(warning->title, QStringLiteral("Warning"));
    QCOMPARE(warning->text, QStringLiteral("Please select a method."));
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.selectedMethod().isEmpty());
}

void DialogsTest::eachRadioSelectsItsDisplayName_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("method");
    QTest::newRow("DoD") << "radioDoD" << velmora::kMethodDoD;
    QTest::newRow("Gutmann") << "radioGutmann" << velmora::kMethodGutmann;
    QTest::newRow("British") << "radioBritish" << velmora::kMethodBritish;
    QTest::newRow("German") << "radioGerman" << velmora::kMethodGerman;
    QTest::newRow("NIST") << "radioNIST" << velmora::kMethodNist;
}

void DialogsTest::eachRadioSelectsItsDisplayName()
{
    QFETCH(QString, radio);
    QFETCH(QString, method);
    EraseMethodDialog dialog;
    modal::when<EraseMethodDialog>([&](EraseMethodDialog *d, modal::Seen &) {
        QTest::mouseClick(d->findChild<QRadioButton *>(radio), Qt::LeftButton);
        QTest::mouseClick(d->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
        return true;
    });
    QCOMPARE(velmora::Modal::exec(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedMethod(), method);
    // The label tells the passes the method runs, in every language.
    const QString label = dialog.findChild<QRadioButton *>(radio)->text();
    const QRegularExpressionMatch count = QRegularExpression("\\((\\d+) ").match(label);
    QVERIFY2(count.hasMatch(), qPrintable(label));
    QCOMPARE(count.captured(1).toInt(), passCountForMethod(method));
}

void DialogsTest::verifyChoiceIsRemembered()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
    // So is the removal of the desktop's traces, on at first too; a dialog
    // for a volume does not show it.
    for (const bool expected : {true, false}) {
        EraseMethodDialog dialog;
        dialog.setVerifySetting(QStringLiteral("verify/volumes"), true);
        dialog.setTracesSetting(QStringLiteral("traces/files"));
        bool shown = !expected;
        bool tracesShown = !expected;
        modal::when<EraseMethodDialog>([&](EraseMethodDialog *d, modal::Seen &) {
            auto *check = d->findChild<QCheckBox *>("checkVerify");
            auto *traces = d->findChild<QCheckBox *>("checkTraces");
            shown = check->isChecked();
            tracesShown = traces->isVisible() && traces->isChecked();
            check->setChecked(false);
            traces->setChecked(false);
            QTest::mouseClick(d->findChild<QRadioButton *>("radioNIST"), Qt::LeftButton);
            QTest::mouseClick(d->findChild<QPushButton *>("btnStart"), Qt::LeftButton);
            return true;
        });
        QCOMPARE(velmora::Modal::exec(dialog), int(QDialog::Accepted));
        QCOMPARE(shown, expected); // on at first, then as it was left
        QCOMPARE(tracesShown, expected);
        QVERIFY(!dialog.verifyAfterLastPass());
        QVERIFY(!dialog.removeTraces());
    }
    EraseMethodDialog forVolume;
    QVERIFY(!forVolume.findChild<QCheckBox *>("checkTraces")->isVisibleTo(&forVolume));
    QVERIFY(!forVolume.removeTraces());
}

void DialogsTest::confirmation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pressOk");
    QTest::addColumn<bool>("proceeds");
    QTest::newRow("Erase, OK") << "Erase" << true << true;
    QTest::newRow("blanks around, OK") << "  Erase  " << true << true;
    QTest::newRow("lower case") << "erase" << true << false;
    QTest::newRow("capitals") << "ERASE" << true << false;
    QTest::newRow("empty, OK") << "" << true << false;
    QTest::newRow("blank inside") << "Er ase" << true << false;
    QTest::newRow("Erase, Cancel") << "Erase" << false << false;
}

void DialogsTest::confirmation()
{
    QFETCH(QString, typed);
    QFETCH(bool, pressOk);
    QFETCH(bool, proceeds);
    ConfirmEraseDialog dialog;
    modal::when<ConfirmEraseDialog>([&](ConfirmEraseDialog *d, modal::Seen &) {
        QTest::keyClicks(d->findChild<QLineEdit *>("lineEdit"), typed);
        QTest::mouseClick(d->findChild<QPushButton *>(pressOk ? "btnOk" : "btnCancel"),
                          Qt::LeftButton);
        return true;
    });
    const int result = velmora::Modal::exec(dialog);
    QCOMPARE(result, int(pressOk ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(ConfirmEraseDialog::confirmed(result, dialog), proceeds);
}

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
