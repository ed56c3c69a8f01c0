#pragma once
// Answers the window's boxes, dialogs and clipboard in tests, and remembers what it was asked.

#include "app/common/UserInterface.h"

#include <QStringList>

class FakeUserInterface : public vantor::IUserInterface {
public:
    void ShowMessage(QWidget*, const QString& text) override { Messages << text; }
    void ShowError(QWidget*, const QString& text, const QString& detail) override
    {
        Errors << text;
        Details << detail;
    }
    QString OpenFileName(QWidget*, const QString& filter, const QString& dir) override
    {
        Filters << filter;
        Folders << dir;
        return OpenAnswer;
    }
    QString SaveFileName(QWidget*, const QString& filter, const QString& dir) override
    {
        Filters << filter;
        Folders << dir;
        return SaveAnswer;
    }
    bool Confirm(QWidget*, const QString& text) override
    {
        Questions << text;
        return ConfirmAnswer;
    }
    QString AskText(QWidget*, const QString& question, const QString&) override
    {
        Questions << question;
        return TextAnswers.isEmpty() ? QString() : TextAnswers.takeFirst();
    }
    bool ClipboardHasText() override { return !Clipboard.isEmpty(); }
    QString ClipboardText() override { return Clipboard; }
    void SetClipboardText(const QString& text) override { Clipboard = text; }

    QStringList Messages, Errors, Details, Filters, Questions;
    QStringList Folders;      // the folder each file dialog started in
    QStringList TextAnswers;  // the names typed, in turn; none left: cancelled
    bool ConfirmAnswer = true;
    QString OpenAnswer, SaveAnswer, Clipboard;
};
