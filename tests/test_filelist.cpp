// SPDX-License-Identifier: GPL-3.0-or-later

// The file list: Add File and Add Folder through the real dialogs, drops,
// Clear All, duplicates, the two list styles.

#include "engine/core/sizes.h"
#include "guitest.h"
#include "testsupport.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

using namespace testsupport;

namespace
{

bool waitBoxGone()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (box && box->buttons().isEmpty())
            return false;
    }
    return true;
}

// Answers the next file dialog: accepts `names` (relative to `dir`), or
// cancels when `names` is empty. Records the dialog's title, and in its text
// whether a wait box stood behind it.
modal::SeenPtr answerFileDialog(const QString &dir, const QStringList &names)
{
    return modal::when<QFileDialog>([=](QFileDialog *dialog, modal::Seen &seen) {
        seen.title = dialog->windowTitle();
        if (!waitBoxGone())
            seen.text = QStringLiteral("a wait box behind the dialog");
        if (names.isEmpty()) {
            dialog->reject();
            return true;
        }
        dialog->setDirectory(dir);
        QStringList quoted;
        for (const QString &n : names)
            quoted << '"' + n + '"';
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(quoted.join(' '));
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept checks the names
        return true;
    });
}

} // namespace

class FileListTest : public QObject, public WindowFixture
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { close(); }

    void addFilesThroughTheDialog();
    void addFolderListsFilesThenTheFolder();
    void dropsFilesThenFolders();
    void clearAllBringsThePictureBack();
    void oddNamesAreKeptAsTheyAre();
    void whatMustNotBeErasedIsNotAdded();
    void entriesLeaveTheListByDelete();
    void addTrashListsWhatIsInIt();

  private:
    QString path(const QString &rel) const { return tmp->filePath(rel); }
    void drop(const QList<QUrl> &urls, bool *accepted = nullptr) { dropUrls(urls, accepted); }
    std::unique_ptr<testsupport::ScratchDir> tmp;
};

void FileListTest::init()
{
    open();
    tmp = std::make_unique<testsupport::ScratchDir>();
    click("btnEraseFileFolder");
}

void FileListTest::addFilesThroughTheDialog()
{
    QVERIFY(writeFile(path("a.txt"), "a"));
    QVERIFY(writeFile(path("b.txt"), "b"));

    auto seen = answerFileDialog(tmp->path(), {"a.txt", "b.txt"});
    click("btnAddFiles");
    QVERIFY(seen->answered);
    QCOMPARE(seen->title, QStringLiteral("Select Files"));
    QCOMPARE(seen->text, QString()); // nothing waits before anything is chosen
    QCOMPARE(listEntries(), (QStringList{path("a.txt"), path("b.txt")}));
    QVERIFY(!get<QListWidget>("listWidget")->styleSheet().contains("drag_file.png"));
    QVERIFY(waitBoxGone());

    // The same file again, and one new: only the new one is added.
    QVERIFY(writeFile(path("c.txt"), "c"));
    answerFileDialog(tmp->path(), {"b.txt", "c.txt"});
    click("btnAddFiles");
    QCOMPARE(listEntries(), (QStringList{path("a.txt"), path("b.txt"), path("c.txt")}));
}

void FileListTest::addFolderListsFilesThenTheFolder()
{
    QVERIFY(writeFile(path("top/one.txt"), "1"));
    QVERIFY(writeFile(path("top/sub/two.txt"), "2"));
    QVERIFY(writeFile(path("top/.hidden"), "h"));
    QVERIFY(writeFile(path("top/.hiddendir/three.txt"), "3"));
    QVERIFY(writeFile(path("elsewhere/x.txt"), "x"));
    QVERIFY(QFile::link(path("elsewhere"), path("top/linkdir")));

    auto seen = answerFileDialog(tmp->path(), {"top"});
    click("btnAddFolder");
    QVERIFY(seen->answered);
    QCOMPARE(seen->text, QString());
    QStringList entries = listEntries();
    // Hidden entries too; a link is an entry of its own, never followed.
    // The files sorted by path, then the folder they are in.
    QCOMPARE(entries,
             (QStringList{path("top/.hidden"), path("top/.hiddendir/three.txt"),
                          path("top/linkdir"), path("top/one.txt"), path("top/sub/two.txt"),
                          path("top")}));
}

void FileListTest::dropsFilesThenFolders()
{
    QVERIFY(writeFile(path("f1.txt"), "1"));
    QVERIFY(writeFile(path("folder/inner.txt"), "i"));
    QVERIFY(writeFile(path("f2.txt"), "2"));
    bool accepted = false;
    drop({QUrl::fromLocalFile(path("f1.txt")), QUrl::fromLocalFile(path("folder")),
          QUrl::fromLocalFile(path("f2.txt")), QUrl::fromLocalFile(path("missing.txt")),
          QUrl::fromLocalFile(path("f1.txt"))},
         &accepted);
    QVERIFY(accepted);
    QCOMPARE(listEntries(), (QStringList{path("f1.txt"), path("f2.txt"), path("folder/inner.txt"),
                                         path("folder")}));
    QVERIFY(waitBoxGone());
    // A folder is told from a file by its icon.
    auto *list = get<QListWidget>("listWidget");
    auto iconOf = [list](int row) { return list->item(row)->icon().pixmap(16).toImage(); };
    QVERIFY(!iconOf(0).isNull());
    QCOMPARE(iconOf(2), iconOf(0));
    QVERIFY(iconOf(3) != iconOf(0));

    // The same folder again adds only what is new; an empty folder, or one
    // with hidden entries only, is listed too.
    QVERIFY(writeFile(path("folder/new.txt"), "n"));
    QVERIFY(QDir().mkpath(path("empty")));
    QVERIFY(writeFile(path("hidden-only/.secret"), "s"));
    drop({QUrl::fromLocalFile(path("folder")), QUrl::fromLocalFile(path("empty")),
          QUrl::fromLocalFile(path("hidden-only"))});
    QCOMPARE(listEntries().mid(4), (QStringList{path("folder/new.txt"), path("empty"),
                                                path("hidden-only/.secret"), path("hidden-only")}));
}

void FileListTest::clearAllBringsThePictureBack()
{
    auto *hint = get<QLabel>("labelDropHint");
    auto *summary = get<QLabel>("labelListSummary");
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->text(), QStringLiteral("Drag files or folders here"));
    QCOMPARE(summary->text(), QString());
    // Whole blocks of data: what they take on the device is their size.
    QVERIFY(writeFile(path("x.txt"), QByteArray(4096, 'x')));
    QVERIFY(writeFile(path("y.bin"), QByteArray(8192, 'y')));
    drop({QUrl::fromLocalFile(path("x.txt")), QUrl::fromLocalFile(path("y.bin"))});
    // Under the list: how many entries, and what they take on the device.
    QVERIFY(!hint->isVisible());
    QCOMPARE(summary->text(), "2 entries, " + velmora::sizeText(12288) + " in total");
    auto *list = get<QListWidget>("listWidget");
    list->item(1)->setSelected(true);
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(summary->text(), "1 entry, " + velmora::sizeText(4096) + " in total");
    // Leaving the page keeps the list; Clear All empties it.
    click("btnBackToHome_fromAdd");
    click("btnEraseFileFolder");
    QCOMPARE(listEntries(), QStringList{path("x.txt")});
    click("btnClearAll");
    QVERIFY(listEntries().isEmpty());
    QVERIFY(get<QListWidget>("listWidget")->styleSheet().contains("drag_file.png"));
    QVERIFY(hint->isVisible());
    QCOMPARE(summary->text(), QString());
    // The duplicate index went with the entries.
    drop({QUrl::fromLocalFile(path("x.txt"))});
    QCOMPARE(listEntries(), QStringList{path("x.txt")});
}

void FileListTest::oddNamesAreKeptAsTheyAre()
{
    const QStringList names = {"with space.txt", "quote'\"s.txt", "new\nline.txt",
                               "Grüße.txt",      "case.txt",      "CASE.txt"};
    QList<QUrl> urls;
    QStringList expected;
    for (const QString &n : names) {
        QVERIFY(writeFile(path(n), "x"));
        urls << QUrl::fromLocalFile(path(n));
        // A control character is shown as its byte: a name cannot break a
        // line of the list or of the log.
        expected << path(QString(n).replace('\n', "\\x0a"));
    }
    // A name that is not UTF-8 keeps its bytes and is shown readably.
    const QByteArray latin1 = QFile::encodeName(path("caf")) + "\xe9.txt";
    {
        const int fd = ::open(latin1.constData(), O_WRONLY | O_CREAT, 0600);
        QVERIFY(fd >= 0);
        ::close(fd);
    }
    urls << QUrl::fromEncoded("file://" + latin1.toPercentEncoding("/"));
    expected << path("caf") + "\\xe9.txt";
    drop(urls);
    QCOMPARE(listEntries(), expected);
    auto *list = get<QListWidget>("listWidget");
    QCOMPARE(MainWindow::pathOfEntry(list->item(list->count() - 1)), latin1);
}

void FileListTest::whatMustNotBeErasedIsNotAdded()
{
    // Nothing of it reaches the list; one box says why, entry by entry. The
    // list is never erased here, so the real /etc is safe to point at.
    QVERIFY(writeFile(path("good.txt"), "g"));
    QVERIFY(writeFile(path("home/notes.txt"), "n"));
    QCOMPARE(run("mkfifo", {path("fifo")}), 0);
    QVERIFY(QFile::link("/etc", path("etc-link")));
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(path("home")));
    auto box = modal::answerBox(QMessageBox::Ok, 20000, "Not added");
    drop({QUrl::fromLocalFile(path("fifo")), QUrl::fromLocalFile(path("home")),
          QUrl::fromLocalFile(path("etc-link")), QUrl::fromLocalFile(path("good.txt"))});
    qputenv("HOME", oldHome);
    QTRY_VERIFY(box->answered);
    QCOMPARE(listEntries(), QStringList{path("good.txt")});
    const QStringList said = box->text.split("\n\n");
    QCOMPARE(said.size(), 3);
    QVERIFY2(said[0].contains("is a socket or a FIFO"), qPrintable(said[0]));
    QVERIFY2(said[1].contains("is a home folder"), qPrintable(said[1]));
    QVERIFY2(
        said[2].startsWith(path("etc-link") + " (that is, /etc) belongs to the operating system"),
        qPrintable(said[2]));
}

void FileListTest::entriesLeaveTheListByDelete()
{
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        QVERIFY(writeFile(path(name), "x"));
    drop({QUrl::fromLocalFile(path("a.txt")), QUrl::fromLocalFile(path("b.txt")),
          QUrl::fromLocalFile(path("c.txt"))});
    auto *list = get<QListWidget>("listWidget");
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    QCOMPARE(listEntries(), QStringList{path("b.txt")});
    // Gone from the list only: still on the disk, and can be added again.
    QVERIFY(QFileInfo::exists(path("a.txt")));
    drop({QUrl::fromLocalFile(path("a.txt"))});
    QCOMPARE(listEntries(), (QStringList{path("b.txt"), path("a.txt")}));
}

void FileListTest::addTrashListsWhatIsInIt()
{
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", before); });
    qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
    // Nothing in it yet: it says so.
    QVERIFY(QDir().mkpath(path("data/Trash/files")));
    auto empty = modal::answerBox();
    click("btnAddTrash");
    QVERIFY(empty->answered);
    QCOMPARE(empty->text, QStringLiteral("The Trash is empty."));

    QVERIFY(writeFile(path("data/Trash/files/old.txt"), "o"));
    QVERIFY(writeFile(path("data/Trash/files/dir/in.txt"), "i"));
    QVERIFY(writeFile(path("data/Trash/info/old.txt.trashinfo"), "r"));
    QVERIFY(writeFile(path("data/Trash/info/dir.trashinfo"), "r"));
    click("btnAddTrash");
    // Only this test's Trash is looked at here; other volumes' may be listed
    // too, and are only listed.
    QStringList mine = listEntries().filter(path("data/"));
    mine.sort();
    QCOMPARE(mine,
             (QStringList{path("data/Trash/files/dir"), path("data/Trash/files/dir/in.txt"),
                          path("data/Trash/files/old.txt"), path("data/Trash/info/dir.trashinfo"),
                          path("data/Trash/info/old.txt.trashinfo")}));
}

QTEST_MAIN(FileListTest)
#include "test_filelist.moc"
