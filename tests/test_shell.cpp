// The window as it starts, its navigation, header and artwork.

#include "guitest.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QUrl>

class UrlCatcher : public QObject
{
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void open(const QUrl &url) { opened << url; }
};

class ShellTest : public QObject, public WindowFixture
{
    Q_OBJECT

  private slots:
    void init() { open(); }
    void cleanup() { close(); }

    void startsOnHomeAtFixedSize();
    void cardsSetModeAndBackKeepsIt();
    void eachClickRunsItsHandlerOnce();
    void fileListSurvivesLeavingThePage();
    void headerMenuAndAbout();
    void helpOpensTheSameAddressOncePerPress();
};

void ShellTest::startsOnHomeAtFixedSize()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("Velmora"));
    QCOMPARE(outerPage(), QStringLiteral("pageHome"));
    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
    QCOMPARE(window->size(), QSize(820, 560));
    QCOMPARE(window->minimumSize(), QSize(820, 560));
    QCOMPARE(window->maximumSize(), QSize(820, 560));
    QCOMPARE(jobMode(), 0);
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(get<QPushButton>("btnHelp")->text().isEmpty());
    QCOMPARE(get<QPushButton>("btnHelp")->size(), QSize(30, 30));
    QVERIFY(window->acceptDrops());
    // Cards left to right: Wipe Disk, Wipe Free Space, Erase File.
    QVERIFY(get("wipeCard")->x() < get("wipefreespaceCard")->x());
    QVERIFY(get("wipefreespaceCard")->x() < get("EraseFilecard")->x());
    QCOMPARE(get<QAbstractButton>("btnWipeDisk")->text(), QStringLiteral("Wipe Disk"));
    QCOMPARE(get<QAbstractButton>("btnWipeFreeSpace")->text(), QStringLiteral("Wipe Free Space"));
    QCOMPARE(get<QAbstractButton>("btnEraseFileFolder")->text(), QStringLiteral("Erase File"));
}

void ShellTest::cardsSetModeAndBackKeepsIt()
{
    click("btnWipeFreeSpace");
    QCOMPARE(jobMode(), 3);
    QCOMPARE(outerPage(), QStringLiteral("pageWipeFreeSpace"));
    click("btnBackFromDisk_2");
    QCOMPARE(outerPage(), QStringLiteral("pageHome"));
    QCOMPARE(jobMode(), 3);

    click("btnWipeDisk");
    QCOMPARE(jobMode(), 2);
    QCOMPARE(outerPage(), QStringLiteral("pageWipeDisk"));
    click("btnBackFromDisk");
    QCOMPARE(jobMode(), 2);

    click("btnEraseFileFolder");
    QCOMPARE(jobMode(), 1);
    QCOMPARE(outerPage(), QStringLiteral("pageEraseFileFlow"));
    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
    click("btnBackToHome_fromAdd");
    QCOMPARE(outerPage(), QStringLiteral("pageHome"));
    QCOMPARE(innerPage(), QStringLiteral("pageAdd"));
    QCOMPARE(jobMode(), 1);
}

void ShellTest::eachClickRunsItsHandlerOnce()
{
    auto *stack = get<QStackedWidget>("stackedWidget");
    click("btnWipeFreeSpace");
    QSignalSpy pages(stack, &QStackedWidget::currentChanged);
    click("btnBackFromDisk_2");
    QCOMPARE(pages.count(), 1);

    auto *table = get<QTableWidget>("tableDiskList_2");
    QVERIFY(table->rowCount() > 0); // this machine has writable volumes
    QSignalSpy rows(table->model(), &QAbstractItemModel::rowsInserted);
    click("btnRefreshDisks_2");
    QCOMPARE(rows.count(), table->rowCount());
}

void ShellTest::fileListSurvivesLeavingThePage()
{
    click("btnEraseFileFolder");
    get<QListWidget>("listWidget")->addItem(QStringLiteral("/tmp/kept-entry"));
    click("btnBackToHome_fromAdd");
    click("btnEraseFileFolder");
    QCOMPARE(listEntries(), QStringList{"/tmp/kept-entry"});
}

void ShellTest::headerMenuAndAbout()
{
    QMenu *menu = get<QToolButton>("btnMenu")->menu();
    QVERIFY(menu);
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << a->text();
    QCOMPARE(texts, (QStringList{"About", "Support", "Help"}));
    QCOMPARE(get<QToolButton>("btnMenu")->popupMode(), QToolButton::InstantPopup);

    auto about = modal::answerBox();
    menu->actions().at(0)->trigger();
    QVERIFY(about->answered);
    QCOMPARE(about->title, QStringLiteral("About"));
    QVERIFY(about->text.startsWith(QStringLiteral("Velmora v4.9.1\n\nThis software helps you "
                                                  "securely erase files, disks, and free space.")));
    QCOMPARE(about->text.split('\n').size(), 5);
}

void ShellTest::helpOpensTheSameAddressOncePerPress()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QMenu *menu = get<QToolButton>("btnMenu")->menu();
    click("btnHelp");
    QCOMPARE(catcher.opened.size(), 1);
    menu->actions().at(2)->trigger();
    QCOMPARE(catcher.opened.size(), 2);
    QCOMPARE(catcher.opened.at(0), catcher.opened.at(1));
    menu->actions().at(1)->trigger();
    QCOMPARE(catcher.opened.size(), 3);
    QVERIFY(catcher.opened.at(2) != catcher.opened.at(0));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(outerPage(), QStringLiteral("pageHome"));
}

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
