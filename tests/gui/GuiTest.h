#pragma once
// Helpers for driving the real window offscreen: open it on a folder, find its controls by name.

#include "FakeUserInterface.h"

#include "app/Viewer.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QTest>

#include <memory>

// A control of the window by its name.
template <class T>
T* Ctl(vantor::TViewer& v, const char* name)
{
    T* w = v.findChild<T*>(name);
    if (!w) qFatal("no control %s", name);
    return w;
}

// A window on the data of dir, shown and through its first activation.
inline std::unique_ptr<vantor::TViewer> OpenViewer(FakeUserInterface& ui, const QString& dir)
{
    auto v = std::make_unique<vantor::TViewer>(ui, dir);
    v->show();
    QEvent activate(QEvent::WindowActivate);  // the first activation runs the load
    QApplication::sendEvent(v.get(), &activate);
    return v;
}

// Picks an entry as the user does, with the keyboard on the closed list.
inline void Pick(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    box->setCurrentIndex(i > 0 ? i - 1 : 1);
    QTest::keyClick(box, i > 0 ? Qt::Key_Down : Qt::Key_Up);
    QCOMPARE(box->currentIndex(), i);
}

// Each test class of the window runs from the one main.
int RunViewerTest(int argc, char** argv);
int RunEquipmentPageTest(int argc, char** argv);
int RunProfileTest(int argc, char** argv);
int RunUtilitiesTest(int argc, char** argv);
