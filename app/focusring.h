// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QRgb>

class QWidget;

// A ring in the window's blue around the control that has the keyboard
// focus, drawn over its window. The controls' own style sheets set their
// borders, so a focus rule in a sheet would lose to them on many controls;
// the ring does not depend on them. It shows when focus moves by keyboard
// (Tab, Shift+Tab, a shortcut) and hides on a click, as focus rings do.
class FocusRing : public QObject
{
    Q_OBJECT

  public:
    static constexpr QRgb kColour = 0xff0b5cad;

    // Watches every window of the application; installed once.
    static void install();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    using QObject::QObject;
    void follow(QWidget *target);
    QPointer<QWidget> target;
    // A child of the target's window, so it goes with the window.
    QPointer<QWidget> ring;
};
