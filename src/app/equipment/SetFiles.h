#pragma once
// The set files of the Equipment page: "Save Eq", "Save set" and "Load Eq" with their dialogs, the
// file in use, and what the status line says of each.

#include "app/equipment/SetFileDialogs.h"

#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace vantor {

class SetFiles {
public:
    // What the page does with a file: the set's text to write; the lines read to put on (giving
    // the slots left empty); a file opened or saved.
    struct Page {
        std::function<std::string()> Text;
        std::function<QStringList(const std::vector<std::string>&)> Apply;
        std::function<void(const QString&)> Used;
    };

    // page: the page whose window's status line says what happened.
    SetFiles(IUserInterface& ui, SettingsStore& settings, QWidget& page, Page does)
        : dialogs_(ui, settings), page_(page), does_(std::move(does))
    {}

    // "Save Eq" (asks where), or "Save set" (again: to the file in use, asking the first time).
    void Save(QWidget* parent, bool again);
    // "Load Eq": the file the player names.
    void Open(QWidget* parent);
    // A set file named otherwise (the command line, a drop, a recent set); raises when it does not read.
    void Open(const QString& path);
    // The file the player names in the open dialog; empty: cancelled.
    QString AskOpen(QWidget* parent) { return dialogs_.AskOpen(parent); }

private:
    void Used(const QString& path);

    SetFileDialogs dialogs_;
    QWidget& page_;
    Page does_;
};

}  // namespace vantor
