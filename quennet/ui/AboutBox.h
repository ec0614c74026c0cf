#pragma once
// The About box: icon, name and version, and 确定.
#include <QDialog>

namespace quennet {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace quennet
