#include "app/qt_user_dialogs.h"

#include "app/window/about_dialog.h"
#include "app/window/association_dialog.h"
#include "app/window/flash_advice_dialog.h"
#include "app/window/links_dialog.h"
#include "app/window/safe_scheme_dialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString QtFileFilter(const QString& filter) {
    const QString description = filter.section(QLatin1Char('|'), 0, 0);
    const QString pattern = filter.section(QLatin1Char('|'), 1);
    // The description usually names the pattern already; Qt takes the pattern from brackets.
    if (description.contains(QLatin1Char('(')))
        return description;
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

MessageAnswer QtUserDialogs::showMessage(const Message& message) {
    QMessageBox box(IconOf(message.icon), message.title, message.text, QMessageBox::NoButton,
                    parent_);
    if (message.buttons == MessageButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        return MessageAnswer::Cancel;
    }
}

QString QtUserDialogs::chooseFileToOpen(const FileDialogTexts& texts) {
    return QFileDialog::getOpenFileName(parent_, texts.title.value_or(QString()), QString(),
                                        texts.filter ? QtFileFilter(*texts.filter) : QString());
}

QString QtUserDialogs::chooseFileToSave(const FileDialogTexts& texts) {
    // The editor asks its own overwrite question.
    QFileDialog dialog(parent_, texts.title.value_or(QString()), QString(),
                       texts.filter ? QtFileFilter(*texts.filter) : QString());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QStringLiteral("col"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

ColourValue QtUserDialogs::chooseColour(ColourValue initial) {
    const QColor start(RedOf(initial), GreenOf(initial), BlueOf(initial));
    const QColor chosen = QColorDialog::getColor(start, parent_);
    if (!chosen.isValid())
        return initial;
    return MakeColour(chosen.red(), chosen.green(), chosen.blue());
}

void QtUserDialogs::showSafeSchemeInfo(const SafeSchemeInfo& info) {
    SafeSchemeDialog dialog(info, parent_);
    dialog.exec();
}

void QtUserDialogs::showFlashAdvice(const FlashAdvice& advice) {
    FlashAdviceDialog dialog(advice, parent_);
    dialog.exec();
}

void QtUserDialogs::showAbout(const AboutTexts& texts) {
    AboutDialog dialog(texts, parent_);
    dialog.exec();
}

void QtUserDialogs::showLinks(const LinksTexts& texts) {
    LinksDialog dialog(texts, parent_);
    dialog.exec();
}

std::optional<bool> QtUserDialogs::showFileAssociation(const AssociationDialogState& state) {
    AssociationDialog dialog(state, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ticked();
}
