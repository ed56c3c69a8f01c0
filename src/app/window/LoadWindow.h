#pragma once
// The small window shown while the data files are read.

#include <QDialog>

class QLabel;

namespace vantor {

class TfrmLoad : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLoad(QWidget* parent = nullptr);
    QLabel* lblLoading;
};

}  // namespace vantor
