// The file selection page: Add File, Add Folder, drag and drop, Clear All.

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

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

void MainWindow::syncListIndex()
{
    // Rebuilt only if the list was changed behind our back.
    if (listIndex.size() != ui->listWidget->count()) {
        listIndex.clear();
        for (int i = 0; i < ui->listWidget->count(); ++i)
            listIndex.insert(ui->listWidget->item(i)->text());
    }
}

void MainWindow::clearFileList()
{
    ui->listWidget->clear();
    listIndex.clear();
    updateListPlaceholder();
}

void MainWindow::appendPaths(const QStringList &paths)
{
    syncListIndex();
    QStringList fresh;
    for (const QString &path : paths) {
        if (path.isEmpty() || listIndex.contains(path))
            continue;
        listIndex.insert(path);
        fresh.append(path);
    }
    ui->listWidget->addItems(fresh);
}

void MainWindow::appendFolder(const QString &folder)
{
    QStringList paths;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths.append(it.next());
    paths.append(folder);
    appendPaths(paths);
}

void MainWindow::on_btnAddFiles_clicked()
{
    WaitBox wait(showWaitBox(tr("Please wait...")));
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(tr("Select Files"));
    if (dialog.exec() == QDialog::Accepted)
        appendPaths(dialog.selectedFiles());
    wait.reset();
    updateListPlaceholder();
}

void MainWindow::on_btnAddFolder_clicked()
{
    WaitBox wait(showWaitBox(tr("Please wait...")));
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setWindowTitle(tr("Select Folder"));
    QString folder;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        folder = dialog.selectedFiles().constFirst();
    if (!folder.isEmpty())
        appendFolder(folder);
    wait.reset();
    updateListPlaceholder();
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
    const QString &style = ui->listWidget->count() > 0 ? filled : empty;
    if (ui->listWidget->styleSheet() != style)
        ui->listWidget->setStyleSheet(style);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    WaitBox wait(showWaitBox(tr("Please wait")));
    QStringList files;
    QStringList folders;
    for (const QUrl &url : event->mimeData()->urls()) {
        const QString path = url.toLocalFile();
        if (path.isEmpty())
            continue;
        const QFileInfo info(path);
        if (info.isFile())
            files.append(path);
        else if (info.isDir())
            folders.append(path);
    }
    appendPaths(files);
    for (const QString &folder : folders)
        appendFolder(folder);
    wait.reset();
    event->acceptProposedAction();
    updateListPlaceholder();
}
