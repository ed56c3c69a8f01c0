#pragma once
// "Scales...": the player's scales, added, copied, renamed, deleted and edited, shared as one line
// of text; the built-in ones can be copied but not changed. Nothing is kept until "OK", and then
// only when every name and number reads.

#include "equipment/Scale.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace vantor {

class EventGuard;
class IUserInterface;
class ScaleBook;
class ScaleEditor;

class ScalesDialog : public QDialog {
    Q_OBJECT
public:
    ScalesDialog(ScaleBook& book, EventGuard& events, IUserInterface& ui, char decimalSep, QWidget* parent);
    // Opens the dialog over parent's window; it goes when closed.
    static void Open(ScaleBook& book, EventGuard& events, IUserInterface& ui, char decimalSep, QWidget* parent);

private:
    void BuildButtons();
    // The scale shown, from the editor into the working copy; false, after a message, when a box
    // does not read.
    bool Commit();
    void ShowScale(int i);
    void Picked(int row);
    // A name the player types for a new or renamed scale; empty when cancelled or not usable.
    std::string AskName(const QString& question, const std::string& now, int except);
    void AddClicked(bool copy);
    void RenameClicked();
    void DeleteClicked();
    void CopyTextClicked();
    void PasteClicked();
    void OkClicked();
    void Refresh(int select);
    bool BuiltIn(int i) const;

    ScaleBook& book_;
    EventGuard& events_;
    IUserInterface& ui_;
    std::vector<Scale> scales_;  // built-in first, then the player's, as edited
    std::string activeName_;     // the active scale's name, as renamed
    int shown_ = 0;
    QListWidget* lstScales;
    QLabel* lblScaleName;
    ScaleEditor* editor_;
    QPushButton* btnScaleRename;
    QPushButton* btnScaleDelete;
};

}  // namespace vantor
