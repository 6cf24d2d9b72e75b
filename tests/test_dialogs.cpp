// The erase method dialog and the typed confirmation.

#include "modalhelper.h"

#include "dialogs/confirmerasedialog.h"
#include "dialogs/erasemethoddialog.h"
#include "engine/erasemethods.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class DialogsTest : public QObject
{
    Q_OBJECT

  private slots:
    void cleanup() { modal::closeLeftovers(); }

    void methodDialogLayout();
    void startWithNothingCheckedWarnsAndStaysOpen();
    void eachRadioSelectsItsDisplayName_data();
    void eachRadioSelectsItsDisplayName();
    void choiceIsExclusive();
    void escapeRejects();
    void newDialogStartsUnchecked();

    void confirmLayout();
    void confirmation_data();
    void confirmation();
};

void DialogsTest::methodDialogLayout()
{
    EraseMethodDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Erase Method"));
    QCOMPARE(dialog.size(), QSize(516, 287));
    const std::tuple<const char *, const char *, QRect> widgets[] = {
        {"radioBritish", "British HMG - (2-pass )", {50, 50, 201, 19}},
        {"radioDoD", "DoD 5220.22-M (7-pass )", {50, 90, 201, 19}},
        {"radioGutmann", "Gutmann - (35-pass)", {50, 130, 151, 19}},
        {"radioGerman", "German VSITR- (7-pass)", {310, 50, 201, 19}},
        {"radioNIST", "NIST 800-88 - (1-pass)", {310, 90, 201, 19}},
        {"btnStart", "Start", {400, 240, 75, 23}},
    };
    for (const auto &[name, text, geometry] : widgets) {
        auto *button = dialog.findChild<QAbstractButton *>(QLatin1String(name));
        QVERIFY2(button, name);
        QCOMPARE(button->text(), QLatin1String(text));
        QCOMPARE(button->geometry(), geometry);
    }
    QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
}

void DialogsTest::startWithNothingCheckedWarnsAndStaysOpen()
{
    EraseMethodDialog dialog;
    dialog.show();
    auto *start = dialog.findChild<QPushButton *>("btnStart");
    for (int click = 0; click < 2; ++click) {
        auto warning = modal::answerBox();
        QTest::mouseClick(start, Qt::LeftButton);
        QVERIFY(warning->answered);
        QCOMPARE(warning->title, QStringLiteral("Warning"));
        QCOMPARE(warning->text, QStringLiteral("Please select a method."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
    }
    QVERIFY(dialog.selectedMethod().isEmpty());
}

void DialogsTest::eachRadioSelectsItsDisplayName_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("method");
    QTest::newRow("DoD says 7 on its label, 3 in its name") << "radioDoD" << velmora::kMethodDoD;
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
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedMethod(), method);
}

void DialogsTest::choiceIsExclusive()
{
    EraseMethodDialog dialog;
    dialog.show();
    auto *gutmann = dialog.findChild<QRadioButton *>("radioGutmann");
    auto *nist = dialog.findChild<QRadioButton *>("radioNIST");
    QTest::mouseClick(gutmann, Qt::LeftButton);
    QTest::mouseClick(nist, Qt::LeftButton);
    QVERIFY(!gutmann->isChecked());
    QCOMPARE(dialog.selectedMethod(), velmora::kMethodNist);
}

void DialogsTest::escapeRejects()
{
    EraseMethodDialog dialog;
    modal::when<EraseMethodDialog>([](EraseMethodDialog *d, modal::Seen &) {
        QTest::mouseClick(d->findChild<QRadioButton *>("radioGerman"), Qt::LeftButton);
        QTest::keyClick(d, Qt::Key_Escape);
        return true;
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

void DialogsTest::newDialogStartsUnchecked()
{
    {
        EraseMethodDialog first;
        first.findChild<QRadioButton *>("radioDoD")->setChecked(true);
    }
    EraseMethodDialog second;
    for (QRadioButton *radio : second.findChildren<QRadioButton *>())
        QVERIFY(!radio->isChecked());
}

void DialogsTest::confirmLayout()
{
    ConfirmEraseDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Confirm"));
    QCOMPARE(dialog.size(), QSize(448, 207));
    auto *edit = dialog.findChild<QLineEdit *>("lineEdit");
    QCOMPARE(edit->placeholderText(), QStringLiteral("Type 'Erase' "));
    QCOMPARE(edit->geometry(), QRect(50, 80, 171, 31));
    QCOMPARE(dialog.findChild<QPushButton *>("btnOk")->geometry(), QRect(240, 160, 75, 23));
    QCOMPARE(dialog.findChild<QPushButton *>("btnCancel")->geometry(), QRect(340, 160, 75, 23));
    auto *label = dialog.findChild<QLabel *>("label");
    QVERIFY(label->wordWrap());
    QVERIFY(label->text().contains(QStringLiteral("color:#ff0000;\">Erase</span>")));
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
    const int result = dialog.exec();
    QCOMPARE(result, int(pressOk ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(ConfirmEraseDialog::confirmed(result, dialog), proceeds);
}

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
