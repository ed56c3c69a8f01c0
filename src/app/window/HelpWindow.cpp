#include "app/window/HelpWindow.h"

#include <QDir>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vantor {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("dlgManual");
    setWindowTitle("Vantor Viewer manual");
    setModal(false);
    resize(640, 560);
    text_ = new QTextBrowser(this);
    text_->setObjectName("txtManual");
    text_->setOpenExternalLinks(false);
    text_->setSource(QUrl("qrc:/help/manual.html"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
}

void HelpWindow::ShowSection(const QString& section)
{
    QUrl at("qrc:/help/manual.html");
    if (!section.isEmpty()) at.setFragment(section);
    text_->setSource(at);
    if (!section.isEmpty()) text_->scrollToAnchor(section);
    show();
    raise();
    activateWindow();
}

QString HelpWindow::Section() const { return text_->source().fragment(); }

QString AboutText(const QString& dataDir, size_t items, size_t spells, const QString& settingsFile)
{
    return QString("<h3>Vantor Viewer %1</h3>"
                   "<p>The game's items and spells, the set your character wears, and the calculators.</p>"
                   "<p>Free software under the GNU General Public License, version 3 or later: you may share "
                   "and change it. It comes with no warranty.</p>"
                   "<p>Data folder: %2<br>It holds %3 items and %4 spells.</p>"
                   "<p>Settings file: %5</p>")
        .arg(VANTOR_VERSION, QDir::toNativeSeparators(dataDir).toHtmlEscaped())
        .arg(items)
        .arg(spells)
        .arg(QDir::toNativeSeparators(settingsFile).toHtmlEscaped());
}

}  // namespace vantor
