// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared by the GUI tests: a fresh MainWindow per test and lookups by object
// name, the way a user's view of the window is addressed.

#include "app/mainwindow.h"
#include "app/translations.h"
#include "modalhelper.h"

#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

// The window's log lines, collected on the GUI thread: the job thread emits
// them too, so they are queued here in the order they were sent.
struct LogLines : QObject {
    QStringList lines;
    explicit LogLines(MainWindow *window)
    {
        QObject::connect(
            window, &MainWindow::logMessage, this, [this](const QString &l) { lines << l; },
            Qt::QueuedConnection);
    }
};

class WindowFixture
{
  public:
    std::unique_ptr<MainWindow> window;

    void open()
    {
        // The user's own settings stay out of it, and one test's choices
        // out of the next.
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        // The catalogues the application loads: English's plural forms here.
        velmora::installTranslations(*qApp);
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        modal::failOnUnanswered();
    }

    void close()
    {
        modal::closeLeftovers();
        window.reset();
    }

    template <typename T = QWidget> T *get(const char *name) const
    {
        T *w = window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no widget named %s", name);
        return w;
    }
    void click(const char *name) const
    {
        QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
    }
    QString outerPage() const
    {
        return get<QStackedWidget>("stackedWidget")->currentWidget()->objectName();
    }
    QString innerPage() const
    {
        return get<QStackedWidget>("stackedWidget_2")->currentWidget()->objectName();
    }
    int jobMode() const { return window->property("jobMode").toInt(); }
    // Drags `urls` onto the window and drops them, as the desktop does.
    void dropUrls(const QList<QUrl> &urls, bool *accepted = nullptr) const
    {
        QMimeData mime;
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (accepted)
            *accepted = enter.isAccepted();
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
    }
    QStringList listEntries() const
    {
        QStringList texts;
        auto *list = get<QListWidget>("listWidget");
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
};
