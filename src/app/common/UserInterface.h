#pragma once
// Message boxes, file dialogs and the clipboard: the window reaches them only through this
// interface, so that tests can answer them without a modal loop.

#include <QString>

class QWidget;

namespace vantor {

class IUserInterface {
public:
    virtual ~IUserInterface() = default;
    // An information box with one OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // An error box with one OK button; detail, when given, is shown beneath the text.
    virtual void ShowError(QWidget* parent, const QString& text, const QString& detail = {}) = 0;
    // The file chosen in an open or save dialog; empty when cancelled. filter is in the
    // "Description (*.ext)|*.ext" form.
    virtual QString OpenFileName(QWidget* parent, const QString& filter, const QString& folder) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& filter, const QString& folder) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool Confirm(QWidget* parent, const QString& text) = 0;
    // A line of text the player types (a name), starting from text; empty when cancelled.
    virtual QString AskText(QWidget* parent, const QString& question, const QString& text) = 0;
    virtual bool ClipboardHasText() = 0;
    virtual QString ClipboardText() = 0;
    virtual void SetClipboardText(const QString& text) = 0;
};

// The real boxes, dialogs and clipboard.
class QtUserInterface : public IUserInterface {
public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    void ShowError(QWidget* parent, const QString& text, const QString& detail) override;
    QString OpenFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    QString SaveFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    bool Confirm(QWidget* parent, const QString& text) override;
    QString AskText(QWidget* parent, const QString& question, const QString& text) override;
    bool ClipboardHasText() override;
    QString ClipboardText() override;
    void SetClipboardText(const QString& text) override;
};

}  // namespace vantor
