#include "QtDialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <utility>

namespace tavisto {

namespace {

QMessageBox::Icon iconOf(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Confirmation: return QMessageBox::Question;
    case Dialogs::Kind::Error: return QMessageBox::Critical;
    case Dialogs::Kind::Warning: return QMessageBox::Warning;
    case Dialogs::Kind::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QString standardTitle(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Confirmation: return QStringLiteral("Confirm");
    case Dialogs::Kind::Error: return QStringLiteral("Error");
    case Dialogs::Kind::Warning: return QStringLiteral("Warning");
    case Dialogs::Kind::Information: return QStringLiteral("Information");
    }
    return {};
}

}  // namespace

Dialogs::Answer QtDialogs::message(QWidget* parent, Kind kind, const QString& text, Buttons buttons,
                                   const QString& title, const QString& details, const QString& more)
{
    QMessageBox box(iconOf(kind), title.isEmpty() ? standardTitle(kind) : title, text, QMessageBox::NoButton,
                    parent);
    box.setInformativeText(details);
    box.setDetailedText(more);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    // The captions stay English in every locale, as on the player family's own desktop.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {{QMessageBox::Yes, "&Yes"},
                                                                            {QMessageBox::No, "&No"},
                                                                            {QMessageBox::Cancel, "Cancel"},
                                                                            {QMessageBox::Ok, "OK"}};
    for (const auto& [button, caption] : captions)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(QLatin1String(caption));
    box.exec();
    // Closing the box from its title bar counts as its Escape button.
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

std::optional<QString> QtDialogs::inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                           const QString& preset)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(preset);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->setMaxLength(255);
        edit->selectAll();
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::fileDialog(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The user may name a file that does not exist; opening it then fails with our own message.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.nameFilters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.initialPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtDialogs::printDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tavisto
