#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

class QAbstractButton;

// Finding and pressing the controls of a dialog under test.

template<typename Control>
Control* Find(QWidget& dialog, const char* name)
{
    auto* control = dialog.findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

// The button whose text (without its mnemonic) is `text`; none when there
// is no such button.
QAbstractButton* FindButton(QWidget& dialog, const QString& text);
// Clicks it, failing the test when it is missing or disabled.
void Click(QWidget& dialog, const QString& text);

// Where screenshots go: VBX_SCREENSHOT_DIR when set, else a folder beside
// the test program.
QString ScreenshotFolder();
// Saves a screenshot of the dialog as NAME.png there and checks it was
// written.
void SaveScreenshot(QWidget& dialog, const QString& name);
