#include "scripted_dialogs.h"

#include <QTest>

MessageAnswer ScriptedDialogs::showMessage(const Message& message) {
    messages.append(message);
    if (message.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + message.text), __FILE__,
                     __LINE__);
        return MessageAnswer::Cancel;
    }
    return answers.takeFirst();
}

std::optional<bool> ScriptedDialogs::showFileAssociation(const AssociationDialogState& state) {
    associationDialogs.append(state);
    if (associationAnswers.isEmpty()) {
        QTest::qFail("unexpected File Association dialog", __FILE__, __LINE__);
        return std::nullopt;
    }
    return associationAnswers.takeFirst();
}
