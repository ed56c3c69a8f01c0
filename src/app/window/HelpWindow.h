#pragma once
// The manual, in a window of its own beside the main one: what scales, caps, gains, "Gives" rows,
// the best set, the upgrade path and the strength page mean, each with a worked case.

#include <QDialog>

class QTextBrowser;

namespace vantor {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);
    // Shows the manual at a section ("lists", "equipment", "scales" ...; empty: the top).
    void ShowSection(const QString& section);
    // Shows the manual at the part about the window's page of this index.
    void ShowPage(int page);
    // The section the manual is at.
    QString Section() const;

private:
    QTextBrowser* text_;
};

// The About box: the version, the licence, the data folder and what it holds, the settings file.
// owned: a line on the active character's owned items.
QString AboutText(const QString& dataDir, size_t items, size_t spells, const QString& settingsFile,
                  const QString& owned);
void OpenAbout(QWidget* parent, const QString& text);

}  // namespace vantor
