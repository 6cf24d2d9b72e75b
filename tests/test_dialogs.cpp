// SPDX-License-Identifier: GPL-3.0-or-later

// The erase method dialog and the typed confirmation.

#include "modalhelper.h"

#include "dialogs/confirmerasedialog.h"
#include "dialogs/erasemethoddialog.h"
#include "engine/job/erasemethods.h"

#include <QCheckBox>
#include <QComboBox>
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
    void confirmationNamesEachEntryWhole();
    void drivesOwnEraseIsOfferedFirst();
    void longQuestionKeepsClearOfTheField();
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

// The entries the confirmation names are shortened in their middle to the
// width they are shown in, with the font they are shown in: never cut off at
// the dialog's edge.
void DialogsTest::confirmationNamesEachEntryWhole()
{
    ConfirmEraseDialog dialog;
    const QString deep = "/tmp/tmp.X5bSaXWjOp/volume/demo/" + QString(40, 'd') + "/contract.pdf";
    dialog.setDetails({deep, QStringLiteral("/tmp/short.txt")}, 4, QStringLiteral("NIST"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *label = dialog.findChild<QLabel *>("labelDetails");
    const QStringList lines = label->text().split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines.at(0).startsWith("/tmp/tmp.") && lines.at(0).endsWith("/contract.pdf") &&
                 lines.at(0).contains(QChar(0x2026)),
             qPrintable(lines.at(0)));
    QCOMPARE(lines.at(1), QStringLiteral("/tmp/short.txt"));
    for (const QString &line : lines)
        QVERIFY2(label->fontMetrics().horizontalAdvance(line) <= label->contentsRect().width(),
                 qPrintable(line));
}

// A drive whose controller erases itself: that erase is chosen when the
// dialog opens, strongest action first; no method overwrites unless a pass
// is asked to follow, and only that pass is read back.
void DialogsTest::drivesOwnEraseIsOfferedFirst()
{
    EraseMethodDialog dialog;
    const QSize before = dialog.size();
    dialog.offerKeyDestruction(QStringLiteral("LUKS2"));
    dialog.offerOwnErase({QStringLiteral("crypto-erase"), QStringLiteral("block-erase")});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Taller by its rows, and still fixed; nothing runs past it.
    QVERIFY(dialog.height() > before.height());
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    for (QWidget *w : dialog.findChildren<QWidget *>())
        if (w->isVisible() && w->parentWidget() == &dialog)
            QVERIFY2(dialog.rect().contains(w->geometry()), qPrintable(w->objectName()));
    auto *own = dialog.findChild<QRadioButton *>("radioOwn");
    auto *combo = dialog.findChild<QComboBox *>("comboOwn");
    auto *then = dialog.findChild<QCheckBox *>("checkThenOverwrite");
    auto *verify = dialog.findChild<QCheckBox *>("checkVerify");
    QVERIFY(own && combo && then && verify);
    QVERIFY(own->isChecked());
    QVERIFY(dialog.ownErase());
    QCOMPARE(dialog.ownEraseAction(), QStringLiteral("crypto-erase"));
    QVERIFY(dialog.selectedMethod().isEmpty());
    QVERIFY(!dialog.destroyKeys());
    QVERIFY(!verify->isEnabled());
    then->setChecked(true);
    QVERIFY(dialog.thenOverwrite());
    QVERIFY(verify->isEnabled());
    combo->setCurrentIndex(1);
    QCOMPARE(dialog.ownEraseAction(), QStringLiteral("block-erase"));
    // Start takes it as a choice.
    QTest::mouseClick(dialog.findChild<QPushButton *>("btnStart"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // A method chosen instead: no own erase, nothing to follow.
    EraseMethodDialog other;
    other.offerOwnErase({QStringLiteral("format-erase")});
    other.findChild<QRadioButton *>("radioNIST")->setChecked(true);
    QVERIFY(!other.ownErase());
    QVERIFY(other.ownEraseAction().isEmpty());
    QVERIFY(!other.thenOverwrite());
    QVERIFY(!other.findChild<QComboBox *>("comboOwn")->isEnabled());
}

// A question that wraps to more lines than the form has room for (the free
// space of a deep mount point) pushes the field, the target and the buttons
// down: no text runs into another.
void DialogsTest::longQuestionKeepsClearOfTheField()
{
    ConfirmEraseDialog dialog;
    dialog.setQuestion("This will overwrite the free space of /media/scratch/" +
                       QString(120, QLatin1Char('x')) + "/volume below it, beyond recovery.");
    dialog.setTarget(QStringLiteral("/media/scratch/volume (649.0 MB free of 1.0 GB)"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *question = dialog.findChild<QLabel *>("label");
    auto *field = dialog.findChild<QLineEdit *>("lineEdit");
    auto *target = dialog.findChild<QLabel *>("labelTarget");
    auto *ok = dialog.findChild<QPushButton *>("btnOk");
    QVERIFY(question->heightForWidth(question->width()) <= question->height());
    QVERIFY2(question->geometry().bottom() <= field->geometry().top() + 1,
             qPrintable(QStringLiteral("%1 %2")
                            .arg(question->geometry().bottom())
                            .arg(field->geometry().top())));
    QVERIFY(field->geometry().bottom() < target->geometry().top());
    QVERIFY(target->geometry().bottom() < ok->geometry().top());
    QVERIFY(dialog.rect().contains(ok->geometry()));
}

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
