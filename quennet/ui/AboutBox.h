#pragma once
#include <QDialog>

namespace quennet {

// The About box: icon, name and version, and 确定.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace quennet
