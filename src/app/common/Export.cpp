#include "app/common/Export.h"

#include "app/common/StatusLine.h"
#include "app/common/UserInterface.h"

#include <QAbstractItemModel>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QWidget>

namespace vantor {
namespace {

QString CsvCell(QString text, char decimalSep)
{
    if (decimalSep != '.') {
        static const QRegularExpression number(R"(^[+-]?\d+([.,]\d+)?%?$)");
        if (number.match(text).hasMatch()) text.replace(QChar(decimalSep), '.');
    }
    if (text.contains(',') || text.contains('"') || text.contains('\n') || text.contains('\r'))
        text = '"' + text.replace('"', "\"\"") + '"';
    return text;
}

QString Documents() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

// The bytes written to path in one piece; false, after a message naming it, when they cannot be.
bool WriteWhole(QWidget& parent, IUserInterface& ui, const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        TellStatus(parent, QString("Exported to %1").arg(QDir::toNativeSeparators(path)));
        return true;
    }
    ui.ShowMessage(&parent,
                   QString("Cannot write file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

// path with the extension added when it has none.
QString WithSuffix(const QString& path, const char* suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + '.' + suffix : path;
}

}  // namespace

QString CsvText(const QAbstractItemModel& model, char decimalSep)
{
    QString out;
    const int columns = model.columnCount();
    const auto line = [&](const auto& cell) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0) out += ',';
            out += CsvCell(cell(c), decimalSep);
        }
        out += "\r\n";
    };
    line([&](int c) { return model.headerData(c, Qt::Horizontal).toString(); });
    for (int r = 0; r < model.rowCount(); ++r) line([&](int c) { return model.index(r, c).data().toString(); });
    return out;
}

void ExportTable(QWidget& parent, IUserInterface& ui, const QAbstractItemModel& model, char decimalSep)
{
    const QString path = ui.SaveFileName(&parent, "CSV files (*.csv)|*.csv", Documents());
    if (path.isEmpty()) return;
    WriteWhole(parent, ui, WithSuffix(path, "csv"), CsvText(model, decimalSep).toUtf8());
}

void ExportPicture(QWidget& parent, IUserInterface& ui, QWidget& plot)
{
    const QString chosen =
        ui.SaveFileName(&parent, "PNG pictures (*.png)|*.png|SVG pictures (*.svg)|*.svg", Documents());
    if (chosen.isEmpty()) return;
    const QString path = WithSuffix(chosen, "png");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (QFileInfo(path).suffix().compare("svg", Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(plot.size());
        svg.setViewBox(plot.rect());
        svg.setTitle("Vantor Viewer");
        QPainter painter(&svg);
        plot.render(&painter);
    } else {
        plot.grab().save(&buffer, "PNG");
    }
    WriteWhole(parent, ui, path, bytes);
}

}  // namespace vantor
