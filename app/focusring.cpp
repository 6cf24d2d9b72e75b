// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/focusring.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

namespace
{

constexpr int kGap = 3; // between the control and the ring
constexpr int kWidth = 2;

class Ring : public QWidget
{
  public:
    explicit Ring(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen{QColor::fromRgba(FocusRing::kColour)};
        pen.setWidth(kWidth);
        painter.setPen(pen);
        const qreal half = kWidth / 2.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 6, 6);
    }
};

} // namespace

void FocusRing::install()
{
    static QPointer<FocusRing> filter;
    if (filter)
        return;
    filter = new FocusRing(qApp);
    qApp->installEventFilter(filter);
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn: {
        // The window system's windows get focus events of their own.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget)
            break;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (!widget->isWindow() &&
            (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
             reason == Qt::ShortcutFocusReason))
            follow(widget);
        else if (widget != target)
            follow(nullptr);
        break;
    }
    case QEvent::FocusOut:
        if (watched == target)
            follow(nullptr);
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
        if (watched == target)
            follow(target->isVisible() ? target.data() : nullptr);
        break;
    default:
        break;
    }
    return false;
}

void FocusRing::follow(QWidget *widget)
{

    target = widget;
    if (!widget) {
        if (ring)
            ring->hide();
        return;
    }
    QWidget *window = widget->window();
    if (!ring || ring->parentWidget() != window) {
        delete ring;
        ring = new Ring(window);
    }
    const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
    ring->setGeometry(
        inWindow.adjusted(-kGap - kWidth, -kGap - kWidth, kGap + kWidth, kGap + kWidth));
    ring->raise();
    ring->show();
    ring->update();
}
