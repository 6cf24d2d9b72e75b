// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/filelistpage.h"
#include "engine/core/sizes.h"

#include "dialogs/fittext.h"
#include "dialogs/modal.h"
#include "engine/fs/paths.h"
#include "engine/fs/traces.h"
#include "engine/fs/walk.h"
#include "engine/job/guards.h"
#include "engine/job/jobrunner.h"
#include "engine/platform/platform.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <cerrno>
#include <memory>

namespace
{

// The wait box goes on every way out of an adding operation.
struct WaitBoxDeleter {
    void operator()(QMessageBox *box) const { delete box; }
};
using WaitBox = std::unique_ptr<QMessageBox, WaitBoxDeleter>;

const char kActionStyle[] = R"(QPushButton {
    background-color: #2D89EF;
    color: white;
    border-radius: 8px;
    padding: 4px 12px;
}
QPushButton:hover {
    background-color: #3A9BF5;
})";

const char kPlainStyle[] = R"(QPushButton {
    color: #0078d7;
    background-color: white;
    border: 1px solid #0078d7;
    border-radius: 8px;
    padding: 6px 20px;
    font-weight: bold;
}
QPushButton:hover {
    background-color: #e6f2fb;
}
QPushButton:pressed {
    background-color: #cce4f7;
})";

QPushButton *button(const QString &text, const char *name, const char *style, const QRect &where,
                    QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setStyleSheet(QLatin1String(style));
    b->setGeometry(where);
    return b;
}

} // namespace

FileListPage::FileListPage(QWidget *parent)
    : QWidget(parent), listWidget(new QListWidget(this)),
      labelDropHint(new QLabel(tr("Drag files or folders here"), listWidget)),
      labelListSummary(new QLabel(this))
{
    setObjectName(QStringLiteral("pageAdd"));
    auto *addFiles = button(tr("Add File"), "btnAddFiles", kActionStyle, {0, 0, 81, 31}, this);
    auto *addFolder =
        button(tr("Add Folder"), "btnAddFolder", kActionStyle, {100, 0, 81, 31}, this);
    auto *clearAll = button(tr("Clear All"), "btnClearAll", kPlainStyle, {200, 0, 101, 31}, this);
    // Everything in the user's Trash, the home one and each volume's.
    auto *addTrash = button(tr("Add Trash"), "btnAddTrash", kActionStyle, {320, 0, 81, 31}, this);
    auto *back = button(tr("Back"), "btnBackToHome_fromAdd", kPlainStyle, {0, 430, 81, 31}, this);
    auto *next = button(tr("Next"), "btnNextFromAdd", kActionStyle, {640, 430, 81, 31}, this);
    connect(addFiles, &QPushButton::clicked, this, &FileListPage::addFiles);
    connect(addFolder, &QPushButton::clicked, this, &FileListPage::addFolder);
    connect(clearAll, &QPushButton::clicked, this, &FileListPage::clear);
    connect(addTrash, &QPushButton::clicked, this, &FileListPage::addTrash);
    connect(back, &QPushButton::clicked, this, &FileListPage::backClicked);
    connect(next, &QPushButton::clicked, this, &FileListPage::nextClicked);
    // Buttons drawn for English take the room their translated texts need.
    velmora::fitRow({addFiles, addFolder, clearAll, addTrash});
    velmora::fitRow({back});
    velmora::fitRow({next}, Qt::AlignRight);

    // The list ends above its summary, the summary above the buttons.
    listWidget->setObjectName(QStringLiteral("listWidget"));
    listWidget->setGeometry(0, 60, 721, 341 - 14);
    listWidget->setAcceptDrops(true);
    // Entries chosen by mistake leave the list by the Delete key or the
    // context menu; nothing on the disk is touched.
    listWidget->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *removeEntries = new QAction(tr("Remove from the list"), listWidget);
    removeEntries->setObjectName(QStringLiteral("actionRemoveEntries"));
    removeEntries->setShortcut(QKeySequence::Delete); // shown in the menu
    connect(removeEntries, &QAction::triggered, this, &FileListPage::removeSelectedEntries);
    listWidget->addAction(removeEntries);
    listWidget->setContextMenuPolicy(Qt::ActionsContextMenu);
    listWidget->installEventFilter(this);

    // The words under the empty list's picture; drops pass through them.
    labelDropHint->setObjectName(QStringLiteral("labelDropHint"));
    labelDropHint->setAlignment(Qt::AlignCenter);
    labelDropHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    labelDropHint->setStyleSheet(
        QStringLiteral("background: transparent; border: none; color: #2D89EF; font-size: 22px; "
                       "font-weight: bold;"));
    labelDropHint->setGeometry(0, 341 / 2 + 78, 721, 32);

    labelListSummary->setObjectName(QStringLiteral("labelListSummary"));
    labelListSummary->setGeometry(4, listWidget->geometry().bottom() + 4, 721 - 8, 20);
    labelListSummary->setStyleSheet(QStringLiteral("color: #1b3a57;"));
    updatePlaceholder(); // the list starts empty
}

void FileListPage::appendPaths(const QByteArrayList &paths)
{
    appendEntries(paths);
    updatePlaceholder();
}

QByteArrayList FileListPage::paths() const
{
    QByteArrayList paths;
    for (int i = 0; i < listWidget->count(); ++i)
        paths.append(pathOfEntry(listWidget->item(i)));
    return paths;
}

bool FileListPage::isEmpty() const
{
    return listWidget->count() == 0;
}

bool FileListPage::eventFilter(QObject *watched, QEvent *event)
{
    // The Delete key in the list, wherever the window's focus is told.
    if (watched == listWidget && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Delete)) {
        removeSelectedEntries();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FileListPage::addWaiting(const QByteArrayList &paths, const QString &waitTitle)
{
    WaitBox wait(showWaitBox(waitTitle));
    const QStringList refused = addEntries(paths);
    wait.reset();
    tellRefused(refused);
}

QMessageBox *FileListPage::showWaitBox(const QString &title)
{
    auto *box = new QMessageBox(window());
    box->setWindowTitle(title);
    box->setText(tr("Adding files/folders, please wait..."));
    box->setStandardButtons(QMessageBox::NoButton);
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    box->setModal(true);
    box->show();
    QCoreApplication::processEvents();
    return box;
}

QByteArray FileListPage::pathOfEntry(const QListWidgetItem *item)
{
    const QByteArray path = item->data(kPathRole).toByteArray();
    return path.isEmpty() ? velmora::fsBytes(item->text()) : path;
}

void FileListPage::syncListIndex()
{
    // Rebuilt only if the list was changed behind our back.
    if (listIndex.size() != listWidget->count()) {
        listIndex.clear();
        for (int i = 0; i < listWidget->count(); ++i)
            listIndex.insert(pathOfEntry(listWidget->item(i)));
    }
}

void FileListPage::clear()
{
    listWidget->clear();
    listIndex.clear();
    updatePlaceholder();
}

void FileListPage::appendEntries(const QByteArrayList &paths,
                                 const std::vector<velmora::platform::Status> *statuses)
{
    syncListIndex();
    QListWidgetItem *last = nullptr;
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    // Added with updates off: one layout for the whole batch.
    listWidget->setUpdatesEnabled(false);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QByteArray &path = paths.at(i);
        if (path.isEmpty() || listIndex.contains(path))
            continue;
        listIndex.insert(path);
        // Folders are told from files by their icon; the list's total counts
        // what the files take on the device, as the confirmation does.
        velmora::platform::Status st;
        if (statuses)
            st = statuses->at(std::size_t(i));
        else
            velmora::platform::statusAt(velmora::platform::kWorkingFolder, path, &st);
        const bool folder = st.type == velmora::platform::Type::Directory;
        auto *item =
            new QListWidgetItem(folder ? folderIcon : fileIcon, velmora::displayName(path));
        item->setData(kPathRole, path);
        item->setData(kBytesRole, st.type == velmora::platform::Type::Regular ? st.allocated : 0);
        listWidget->addItem(item);
        last = item;
    }
    listWidget->setUpdatesEnabled(true);
    // The batch just added is in view.
    if (last)
        listWidget->scrollToItem(last);
}

void FileListPage::appendFolder(const QByteArray &folder)
{
    // Hidden entries too, and never across a mount below the folder: what
    // the list shows is what the erase will reach.
    // Each entry's status as the listing found it: not asked for again.
    std::vector<velmora::platform::Status> statuses;
    QByteArrayList paths = velmora::listFolderFiles(folder, &statuses);
    velmora::platform::Status own;
    velmora::platform::statusAt(velmora::platform::kWorkingFolder, folder, &own);
    paths.append(folder);
    statuses.push_back(own);
    appendEntries(paths, &statuses);
}

void FileListPage::addFiles()
{
    QFileDialog dialog(window());
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(tr("Select Files"));
    if (velmora::Modal::exec(dialog) == QDialog::Accepted) {
        // Nothing waits before anything is chosen; listing what was may take
        // a while.
        WaitBox wait(showWaitBox(tr("Please wait...")));
        QByteArrayList paths;
        for (const QString &file : dialog.selectedFiles())
            paths.append(velmora::fsBytes(file));
        const QStringList refused = addEntries(paths);
        wait.reset();
        tellRefused(refused);
    }
    updatePlaceholder();
}

void FileListPage::addFolder()
{
    QFileDialog dialog(window());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setWindowTitle(tr("Select Folder"));
    QString folder;
    if (velmora::Modal::exec(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        folder = dialog.selectedFiles().constFirst();
    WaitBox wait(folder.isEmpty() ? nullptr : showWaitBox(tr("Please wait...")));
    const QStringList refused =
        folder.isEmpty() ? QStringList() : addEntries({velmora::fsBytes(folder)});
    wait.reset();
    tellRefused(refused);
    updatePlaceholder();
}

void FileListPage::removeSelectedEntries()
{
    syncListIndex();
    for (QListWidgetItem *item : listWidget->selectedItems()) {
        listIndex.remove(pathOfEntry(item));
        delete item;
    }
    updatePlaceholder();
}

void FileListPage::addTrash()
{
    QStringList passedOver;
    const QByteArrayList entries = velmora::trashEntries(velmora::desktopHome(), &passedOver);
    if (entries.isEmpty()) {
        velmora::Modal::information(window(), tr("Trash"),
                                    passedOver.isEmpty()
                                        ? tr("The Trash is empty.")
                                        : tr("The Trash is empty.") + QStringLiteral("\n\n") +
                                              passedOver.join(QLatin1Char('\n')));
        return;
    }
    WaitBox wait(showWaitBox(tr("Please wait...")));
    const QStringList refused = addEntries(entries);
    wait.reset();
    tellRefused(refused);
}

void FileListPage::updatePlaceholder()
{
    static const QString empty =
        QStringLiteral("QListWidget { background-color: white; "
                       "background-image: url(:/icons/resources/drag_file.png); "
                       "background-repeat: no-repeat; background-position: center; "
                       "border: 1px solid rgb(208, 232, 255); padding: 10px; "
                       "border-radius: 10px; font-size: 12px; color: black; }");
    static const QString filled =
        QStringLiteral("QListWidget { background-color: white; "
                       "border: 1px solid rgb(208, 232, 255); padding: 10px; "
                       "border-radius: 10px; font-size: 12px; color: black; }");
    const int count = listWidget->count();
    const QString &sheet = count > 0 ? filled : empty;
    if (listWidget->styleSheet() != sheet)
        listWidget->setStyleSheet(sheet);
    labelDropHint->setVisible(count == 0);

    qint64 bytes = 0;
    for (int i = 0; i < count; ++i)
        bytes += listWidget->item(i)->data(kBytesRole).toLongLong();
    labelListSummary->setText(
        count == 0 ? QString()
                   : tr("%n entries, %1 in total", nullptr, count).arg(velmora::sizeText(bytes)));
}

QStringList FileListPage::addEntries(const QByteArrayList &paths)
{
    QByteArrayList files;
    QByteArrayList folders;
    QStringList refused;
    for (const QByteArray &path : paths) {
        // A folder chosen through a link is listed as the folder itself, so
        // the erase walks it and leaves the link alone; the guard looks at
        // where the link leads.
        int error = 0;
        const bool folder =
            !path.isEmpty() && velmora::platform::openFolderPath(path, true, &error).valid();
        const velmora::EntryCheck check =
            velmora::checkEntry(folder && !path.endsWith('/') ? path + '/' : path);
        // What is gone by now was simply dropped late; anything else
        // refused is said.
        if (check.refusal == velmora::EntryRefusal::Missing && check.error == ENOENT)
            continue;
        if (check.refusal != velmora::EntryRefusal::None) {
            refused.append(velmora::refusalText(check, path));
            continue;
        }
        (folder ? folders : files).append(check.resolved);
    }
    appendEntries(files);
    for (const QByteArray &folder : folders)
        appendFolder(folder);
    updatePlaceholder();
    return refused;
}

void FileListPage::tellRefused(const QStringList &refused)
{
    if (!refused.isEmpty())
        velmora::Modal::warning(window(), tr("Not added"), refused.join(QStringLiteral("\n\n")));
}
