#include "app/common/UserInterface.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace vantor {

static QString QtFilter(const QString& filter)
{
    // "Description (*.ext)|*.ext|Other (*.oth)|*.oth" -> "Description (*.ext);;Other (*.oth)"
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList descriptions;
    for (qsizetype i = 0; i < parts.size(); i += 2) descriptions << parts[i];
    return descriptions.join(";;");
}

void QtUserInterface::ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

void QtUserInterface::ShowError(QWidget* parent, const QString& text, const QString& detail)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    if (!detail.isEmpty()) box.setInformativeText(detail);
    box.exec();
}

QString QtUserInterface::OpenFileName(QWidget* parent, const QString& filter, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, QString(), folder, QtFilter(filter));
}

QString QtUserInterface::SaveFileName(QWidget* parent, const QString& filter, const QString& folder)
{
    return QFileDialog::getSaveFileName(parent, QString(), folder, QtFilter(filter));
}

bool QtUserInterface::Confirm(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text) == QMessageBox::Yes;
}

QString QtUserInterface::AskText(QWidget* parent, const QString& question, const QString& text)
{
    return QInputDialog::getText(parent, QApplication::applicationDisplayName(), question, QLineEdit::Normal, text);
}

bool QtUserInterface::ClipboardHasText() { return !QApplication::clipboard()->text().isEmpty(); }

QString QtUserInterface::ClipboardText() { return QApplication::clipboard()->text(); }

void QtUserInterface::SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

}  // namespace vantor
