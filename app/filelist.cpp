// SPDX-License-Identifier: GPL-3.0-or-later

// The file selection page: Add File, Add Folder, drag and drop, Clear All.

#include "app/mainwindow.h"

#include "dialogs/modal.h"
#include "ui_mainwindow.h"

#include "engine/fs/paths.h"
#include "engine/fs/traces.h"
#include "engine/fs/walk.h"
#include "engine/job/guards.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QStyle>
#include <QUrl>

#include <cerrno>
#include <memory>

namespace
{

// The wait box goes on every way out of an adding operation.
struct WaitBoxDeleter {
    void operator()(QMessageBox *box) const { delete box; }
};
using WaitBox = std::unique_ptr<QMessageBox, WaitBoxDeleter>;

} // namespace

QMessageBox *MainWindow::showWaitBox(const QString &title)
{
    auto *box = new QMessageBox(this);
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

QByteArray MainWindow::pathOfEntry(const QListWidgetItem *item)
{
    const QByteArray path = item->data(kPathRole).toByteArray();
    return path.isEmpty() ? velmora::fsBytes(item->text()) : path;
}

void MainWindow::syncListIndex()
{
    // Rebuilt only if the list was changed behind our back.
    if (listIndex.size() != ui->listWidget->count()) {
        listIndex.clear();
        for (int i = 0; i < ui->listWidget->count(); ++i)
            listIndex.insert(pathOfEntry(ui->listWidget->item(i)));
    }
}

void MainWindow::clearFileList()
{
    ui->listWidget->clear();
    listIndex.clear();
    updateListPlaceholder();
}

void MainWindow::appendPaths(const QByteArrayList &paths)
{
    syncListIndex();
    QListWidgetItem *last = nullptr;
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    // Added with updates off: one layout for the whole batch.
    ui->listWidget->setUpdatesEnabled(false);
    for (const QByteArray &path : paths) {
        if (path.isEmpty() || listIndex.contains(path))
            continue;
        listIndex.insert(path);
        // Folders are told from files by their icon; the list's total counts
        // what the files take on the device, as the confirmation does.
        velmora::platform::Status st;
        velmora::platform::statusAt(velmora::platform::kWorkingFolder, path, &st);
        const bool folder = st.type == velmora::platform::Type::Directory;
        auto *item =
            new QListWidgetItem(folder ? folderIcon : fileIcon, velmora::displayName(path));
        item->setData(kPathRole, path);
        item->setData(kBytesRole, st.type == velmora::platform::Type::Regular ? st.allocated : 0);
        ui->listWidget->addItem(item);
        last = item;
    }
    ui->listWidget->setUpdatesEnabled(true);
    // The batch just added is in view.
    if (last)
        ui->listWidget->scrollToItem(last);
}

void MainWindow::appendFolder(const QByteArray &folder)
{
    // Hidden entries too, and never across a mount below the folder: what
    // the list shows is what the erase will reach.
    QByteArrayList paths;
    velmora::listTree(folder, [&paths](const QByteArray &path) { paths.append(path); });
    paths.append(folder);
    appendPaths(paths);
}

void MainWindow::on_btnAddFiles_clicked()
{
    QFileDialog dialog(this);
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
    updateListPlaceholder();
}

void MainWindow::on_btnAddFolder_clicked()
{
    QFileDialog dialog(this);
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
    updateListPlaceholder();
}

void MainWindow::removeSelectedEntries()
{
    syncListIndex();
    for (QListWidgetItem *item : ui->listWidget->selectedItems()) {
        listIndex.remove(pathOfEntry(item));
        delete item;
    }
    updateListPlaceholder();
}

void MainWindow::addTrash()
{
    QStringList passedOver;
    const QByteArrayList entries = velmora::trashEntries(velmora::desktopHome(), &passedOver);
    if (entries.isEmpty()) {
        velmora::Modal::information(this, tr("Trash"),
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

void MainWindow::on_btnClearAll_clicked()
{
    clearFileList();
}

void MainWindow::updateListPlaceholder()
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
    const int count = ui->listWidget->count();
    const QString &sheet = count > 0 ? filled : empty;
    if (ui->listWidget->styleSheet() != sheet)
        ui->listWidget->setStyleSheet(sheet);
    labelDropHint->setVisible(count == 0);

    qint64 bytes = 0;
    for (int i = 0; i < count; ++i)
        bytes += ui->listWidget->item(i)->data(kBytesRole).toLongLong();
    labelListSummary->setText(count == 0 ? QString()
                                         : tr("%n entries, %1 in total", nullptr, count)
                                               .arg(QLocale().formattedDataSize(bytes)));
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    WaitBox wait(showWaitBox(tr("Please wait")));
    QByteArrayList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        // The path's bytes as they were encoded, so a name that is not
        // UTF-8 survives the drop.
        if (url.isLocalFile())
            paths.append(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    }
    const QStringList refused = addEntries(paths);
    wait.reset();
    event->acceptProposedAction();
    tellRefused(refused);
}

QStringList MainWindow::addEntries(const QByteArrayList &paths)
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
    appendPaths(files);
    for (const QByteArray &folder : folders)
        appendFolder(folder);
    updateListPlaceholder();
    return refused;
}

void MainWindow::tellRefused(const QStringList &refused)
{
    if (!refused.isEmpty())
        warn(tr("Not added"), refused.join(QStringLiteral("\n\n")));
}
