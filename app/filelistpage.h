// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/platform/platform.h"

#include <QByteArrayList>
#include <QSet>
#include <QStringList>
#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QMessageBox;
class QPushButton;

// The page the files and folders to erase are gathered on: Add File, Add
// Folder, Clear All, Add Trash, the list (drops, Delete, its context menu),
// the line under it, Back and Next.
class FileListPage : public QWidget
{
    Q_OBJECT

  public:
    // Each entry keeps its path as the file system's bytes under this role;
    // its text is how the path is shown.
    static constexpr int kPathRole = Qt::UserRole;
    // ... and what its file takes on the device (0 for a folder).
    static constexpr int kBytesRole = Qt::UserRole + 1;
    static QByteArray pathOfEntry(const QListWidgetItem *item);

    explicit FileListPage(QWidget *parent = nullptr);

    // The entries in the list's order.
    QByteArrayList paths() const;
    bool isEmpty() const;
    void clear();
    // Puts `paths` in the list as they are (no checks), each once.
    void appendPaths(const QByteArrayList &paths);
    // Files, then each folder's listing and the folder itself; what must
    // not be erased is left out and returned, a sentence each.
    QStringList addEntries(const QByteArrayList &paths);
    // The same, with a box that asks to wait meanwhile, and one that says
    // what was not added.
    void addWaiting(const QByteArrayList &paths, const QString &waitTitle);
    // Says, in a box, why the entries `refused` were not added.
    void tellRefused(const QStringList &refused);
    // Adds what is in the user's Trash (home and volumes).
    void addTrash();

  signals:
    void backClicked();
    void nextClicked();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void addFiles();
    void addFolder();
    // Adds without updating the line under the list, for batches.
    // `statuses`: each path's status where the caller has it already.
    void appendEntries(const QByteArrayList &paths,
                       const std::vector<velmora::platform::Status> *statuses = nullptr);
    void appendFolder(const QByteArray &folder);
    void removeSelectedEntries();
    void syncListIndex();
    void updatePlaceholder();
    QMessageBox *showWaitBox(const QString &title);

    QListWidget *listWidget;
    // Over the empty list's picture, in the user's language.
    QLabel *labelDropHint;
    // Under the list: how many entries, and how much they take.
    QLabel *labelListSummary;
    // The paths of the list, for duplicate checks that do not grow with
    // the square of the list.
    QSet<QByteArray> listIndex;
};
