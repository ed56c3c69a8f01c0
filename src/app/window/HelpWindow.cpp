#include "app/window/HelpWindow.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
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

void HelpWindow::ShowPage(int page)
{
    // Armor, Weapons, Spells, Other, Equipment, Utilities, Mana Blessing, Memo.
    static const char* const kSections[] = {"lists",     "lists",     "lists",    "lists",
                                            "equipment", "utilities", "blessing", ""};
    ShowSection(page >= 0 && page < static_cast<int>(std::size(kSections)) ? kSections[page] : "");
}

QString HelpWindow::Section() const { return text_->source().fragment(); }

QString AboutText(const QString& dataDir, size_t items, size_t spells, const QString& settingsFile,
                  const QString& owned)
{
    return QString("<h3>Vantor Viewer %1</h3>"
                   "<p>The game's items and spells, the set your character wears, and the calculators.</p>"
                   "<p>Free software under the GNU General Public License, version 3 or later: you may share "
                   "and change it. It comes with no warranty.</p>"
                   "<p>Data folder: %2<br>It holds %3 items and %4 spells.</p>"
                   "<p>%6</p>"
                   "<p>Settings file: %5</p>")
        .arg(VANTOR_VERSION, QDir::toNativeSeparators(dataDir).toHtmlEscaped())
        .arg(items)
        .arg(spells)
        .arg(QDir::toNativeSeparators(settingsFile).toHtmlEscaped(), owned.toHtmlEscaped());
}

void OpenAbout(QWidget* parent, const QString& text)
{
    auto* about = new QDialog(parent);
    about->setObjectName("dlgAbout");
    about->setWindowTitle("About Vantor Viewer");
    about->setAttribute(Qt::WA_DeleteOnClose);
    auto* label = new QLabel(text, about);
    label->setObjectName("lblAbout");
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, about);
    QObject::connect(buttons, &QDialogButtonBox::accepted, about, &QDialog::accept);
    auto* layout = new QVBoxLayout(about);
    layout->addWidget(label);
    layout->addWidget(buttons);
    about->open();
}

}  // namespace vantor
